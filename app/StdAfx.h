// Precompiled-header set of the program: the framework and the shell.
#pragma once

#include <afxwin.h>
#include <afxext.h>
#include <afxdlgs.h>
#include <aygshell.h>
#include <commctrl.h>
