// Resource ids of the tree view tests.
#pragma once

#define IDD_TREES 100
#define IDC_PATHTREE 1021
#define IDC_XMLTREE 1022
