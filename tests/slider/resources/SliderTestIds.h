// Resource ids of the numeric edit and slider tests.
#pragma once

#define IDD_CONTROLS 100
#define IDC_EDIT1 1012
#define IDC_EDIT2 1013
#define IDC_TRANSIENT 1014
#define IDC_READONLY 1015
#define IDC_BUDDY 1016
#define IDC_SLIDER 1017
#define IDC_HSLIDER 1018
#define IDC_MINLABEL 1019
#define IDC_MAXLABEL 1020
#define IDD_EDGE 101
#define IDC_EDGE_EDIT 1021
#define IDC_EDGE_SLIDER 1022
