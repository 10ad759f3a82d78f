// The toolkit: a thin object layer over the Windows window system.
//
// Ownership. A control owns its window (HWND), created in the control's constructor; a
// parent's window always exists before its children's. Children are owned by their parent:
// parent.add<T>(args...) builds a T with the parent as first argument and returns a plain
// reference that stays valid as long as the parent. Forms are top-level, created hidden and
// owned by whoever builds them; what is not a control goes on a form's release-on-destroy list
// and dies with the form's window, after its controls. Fonts, brushes and bitmaps are held by
// the RAII types of Gdi.h.
//
// Inheritance at creation. A child copies its parent's font (with the font colour), colour,
// ChildMargin and DPI when it is created; later changes to the parent do not reach it.
//
// Display scaling. A form takes the DPI of its monitor (Dpi.h). Positions and sizes are
// device pixels: whoever places a control scales its 96-DPI values with scaled(); font
// heights stay given for 96 DPI and the toolkit makes the fonts at the control's DPI. On
// WM_DPICHANGED the form scales its whole tree by the ratio of the two DPIs (rescale) and
// takes the rectangle the system suggests.
//
// Slots. Events are std::function members (onClick, onMouseMove, onMouseDown, onKeyDown,
// onPaint, onShow, onResize, onClose, onSelectionChange, onDoubleClick). An empty slot does
// nothing; every slot receives the sending control first. A form's shortcuts (ShortcutTable)
// are actions bound to keys: the pumps run them, in place of the key, for the enabled form
// that holds the focus.
//
// Dispatch and reflection. One window procedure serves the toolkit's own window class and one
// subclass procedure the system classes; both find the object bound to the HWND and call its
// handleMessage. Notifications a child sends to its parent (WM_COMMAND, WM_NOTIFY,
// WM_CTLCOLOR*, WM_DRAWITEM, WM_MEASUREITEM) are handed back to that child's reflect().
// Teardown order: stop dispatch, unsubclass, destroy.
//
// Exceptions never cross a Win32 callback: whatever a slot throws reaches
// Application::handleException, and the window procedure returns a neutral value.
//
// Layout. Setting a container's size, or a child's alignment, places the aligned children:
// top and bottom first, then left and right, then client, in creation order, each inset by
// the container's ChildMargin and clamped to zero width and height. Auto-size takes the
// caption's extent in the control's own font plus a per-kind extra, on every caption change.
#pragma once

#include "toolkit/Application.h"
#include "toolkit/Colour.h"
#include "toolkit/Control.h"
#include "toolkit/FontDesc.h"
#include "toolkit/Form.h"
#include "toolkit/Gdi.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Label.h"
#include "toolkit/Panel.h"
#include "toolkit/PushButton.h"
#include "toolkit/SwatchButton.h"
