#include "devicemanager/device_file.h"

namespace ce {

void DeviceFile::onLastHandleClosed() {
    DeviceCall call(device_, *target_);
    if (call.begun() && target_->entry.close) target_->entry.close(openContext_);
}

}  // namespace ce
