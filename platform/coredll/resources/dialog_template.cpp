#include "resources/dialog_template.h"

#include "resources/byte_reader.h"

#include <cstdio>

namespace ce {
namespace {

constexpr WORD extendedSignature = 0xFFFF;

std::u16string predefinedClassName(WORD atom) {
    switch (atom) {
    case 0x80: return u"button";
    case 0x81: return u"edit";
    case 0x82: return u"static";
    case 0x83: return u"listbox";
    case 0x84: return u"scrollbar";
    case 0x85: return u"combobox";
    default: return {};
    }
}

class DialogParser {
public:
    DialogParser(const void* data, std::size_t size, std::string* error) : reader_(data, size), error_(error) {}

    std::optional<DialogTemplate> parse() {
        DialogTemplate dialog;
        WORD itemCount = 0;
        if (!readHeader(dialog, itemCount)) return std::nullopt;
        for (WORD index = 0; index < itemCount; ++index) {
            DialogItemTemplate item;
            if (!readItem(dialog.extended, index, item)) return std::nullopt;
            dialog.items.push_back(std::move(item));
        }
        return dialog;
    }

private:
    bool readHeader(DialogTemplate& dialog, WORD& itemCount) {
        WORD version = 0, signature = 0;
        if (!reader_.readWord(version) || !reader_.readWord(signature)) return fail("the dialog header is cut short");
        dialog.extended = signature == extendedSignature && version == 1;
        reader_.seek(0);
        bool fixedPart = dialog.extended
            ? reader_.skip(4) && reader_.readDword(dialog.helpId) && reader_.readDword(dialog.exStyle) &&
                  reader_.readDword(dialog.style)
            : reader_.readDword(dialog.style) && reader_.readDword(dialog.exStyle);
        if (!fixedPart || !reader_.readWord(itemCount) || !readRectangle(dialog.x, dialog.y, dialog.cx, dialog.cy))
            return fail("the dialog header is cut short");
        if (!readNameOrOrdinal(dialog.menu, dialog.menuOrdinal)) return fail("the dialog's menu name is cut short");
        std::u16string className;
        WORD classOrdinal = 0;
        if (!readNameOrOrdinal(className, classOrdinal)) return fail("the dialog's class name is cut short");
        dialog.windowClass = classOrdinal ? predefinedClassName(classOrdinal) : className;
        if (classOrdinal && dialog.windowClass.empty()) return fail(unknownClass("the dialog", classOrdinal));
        if (!reader_.readString(dialog.caption)) return fail("the dialog's caption is cut short");
        dialog.hasFont = (dialog.style & DS_SETFONT) != 0;
        if (!dialog.hasFont) return true;
        bool font = reader_.readWord(dialog.pointSize);
        if (font && dialog.extended)
            font = reader_.readWord(dialog.weight) && reader_.readByte(dialog.italic) && reader_.readByte(dialog.charSet);
        if (!font || !reader_.readString(dialog.faceName)) return fail("the dialog's font is cut short");
        return true;
    }

    bool readItem(bool extended, WORD index, DialogItemTemplate& item) {
        std::string which = "control " + std::to_string(index + 1);
        if (!reader_.alignAddress(4)) return fail(which + " is missing");
        bool fixedPart = true;
        if (extended) {
            fixedPart = reader_.readDword(item.helpId) && reader_.readDword(item.exStyle) &&
                        reader_.readDword(item.style) && readRectangle(item.x, item.y, item.cx, item.cy) &&
                        reader_.readDword(item.id);
        } else {
            WORD id = 0;
            fixedPart = reader_.readDword(item.style) && reader_.readDword(item.exStyle) &&
                        readRectangle(item.x, item.y, item.cx, item.cy) && reader_.readWord(id);
            item.id = id;
        }
        if (!fixedPart) return fail(which + " is cut short");

        std::u16string className;
        WORD classOrdinal = 0;
        if (!readNameOrOrdinal(className, classOrdinal)) return fail(which + ": its class name is cut short");
        item.windowClass = classOrdinal ? predefinedClassName(classOrdinal) : className;
        if (classOrdinal && item.windowClass.empty()) return fail(unknownClass(which, classOrdinal));
        if (!readNameOrOrdinal(item.text, item.textOrdinal)) return fail(which + ": its text is cut short");

        WORD dataSize = 0;
        if (!reader_.readWord(dataSize)) return fail(which + ": its creation data is cut short");
        if (!extended && dataSize != 0) {
            // The classic form counts the size word itself.
            if (dataSize < sizeof(WORD)) return fail(which + ": its creation data size is smaller than the size word");
            dataSize = static_cast<WORD>(dataSize - sizeof(WORD));
        }
        if (dataSize > reader_.remaining()) return fail(which + ": its creation data runs past the end of the template");
        item.creationData.assign(reader_.current(), reader_.current() + dataSize);
        reader_.skip(dataSize);
        return true;
    }

    bool readRectangle(short& x, short& y, short& cx, short& cy) {
        return reader_.readShort(x) && reader_.readShort(y) && reader_.readShort(cx) && reader_.readShort(cy);
    }

    // 0x0000: none; 0xFFFF then an ordinal; else a NUL-terminated string.
    bool readNameOrOrdinal(std::u16string& name, WORD& ordinal) {
        std::size_t start = reader_.offset();
        WORD first = 0;
        if (!reader_.readWord(first)) return false;
        if (first == 0xFFFF) return reader_.readWord(ordinal);
        if (first == 0) return true;
        reader_.seek(start);
        return reader_.readString(name);
    }

    static std::string unknownClass(const std::string& which, WORD atom) {
        char text[16];
        std::snprintf(text, sizeof text, "0x%X", atom);
        return which + " names the unknown predefined class " + text;
    }

    bool fail(const std::string& what) {
        if (error_) *error_ = "dialog template: " + what;
        return false;
    }

    ByteReader reader_;
    std::string* error_;
};

}  // namespace

std::optional<DialogTemplate> parseDialogTemplate(const void* data, std::size_t size, std::string* error) {
    if (data == nullptr) {
        if (error) *error = "dialog template: no template";
        return std::nullopt;
    }
    return DialogParser(data, size, error).parse();
}

}  // namespace ce
