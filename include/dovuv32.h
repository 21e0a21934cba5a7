// dovuv32: every class and function the library exports on this target.
// A host includes this one header and links dovuv32::dovuv32.
#pragma once

#include <afx.h>

#include <NPair.h>
#include <Range.h>

// Numeric settings and value text
#include "AIBaseState.h"
#include "rvNumeric.h"

// Text and tag files
#include "EIterResult.h"
#include "RVTxtFile.h"
#include "RVTxtFileExcept.h"
#include "RVXMLFile.h"
#include "XMLNode.h"

// Paths and file search
#include "FileFilter.h"
#include "Path.h"
#include "RVFileFind.h"

#ifdef _WIN32
// Dialog data exchange of numbers
#include "Z_DDX_Text.h"

// Numeric edit boxes, the dynamic slider and the library's resource ids
#include "RVEdit.h"
#include "RVEditTransient.h"
#include "rvCommitReal.h"
#include "BuddySliderDlg.h"
#include "SliderDyna.h"
#include "SliderDynaBuddyHandler.h"
#include "rvScrollTarget.h"
#include "LiveObjects.h"
#include "dovuv32Res.h"
#include "rvMessages.h"

// Window message hooks
#include "AIMsgHook.h"

// Dialogs, pages, panels and window helpers
#include "DlgToolBar.h"
#include "Pane.h"
#include "PropertyPanel.h"
#include "RVDC.h"
#include "RVDialog.h"
#include "RVPropSheet.h"
#include "RVPropertyPage.h"
#include "ResTemplMngr.h"
#include "StatusBox.h"
#include "TestDlg.h"
#include "rvWindowHelpers.h"

// Trees that show tag files
#include "RVTreeCtrl.h"
#include "XMLTree.h"
#endif
