// Framework extensions: the command bar.
#pragma once

#include "afxwin.h"
#include "afx/command_bar.h"
