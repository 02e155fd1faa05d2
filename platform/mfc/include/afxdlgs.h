// Framework dialogs.
#pragma once

#include "afxwin.h"
