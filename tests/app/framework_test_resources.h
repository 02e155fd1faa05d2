// Resource identifiers of the framework tests' own templates.
#pragma once

#define IDD_HIDDEN_PROBE 300
#define IDD_VISIBLE_PROBE 301
#define IDD_NOT_IN_RESOURCES 399
