// ListBox: the system's list box of strings, with extended selection (several entries with
// Shift and Ctrl), a sunken edge and a vertical scroll bar, drawn in its colour and font
// colour. The current entry is the one with the focus rectangle (LB_GETCURSEL): the entry
// last clicked or reached with the keyboard, entry 0 while nothing has been chosen.
#pragma once

#include "toolkit/Control.h"

#include <functional>
#include <string>

class ListBox : public Control {
public:
    // The selection changed by the user (keyboard or mouse). Not fired for setItemIndex.
    std::function<void(Control& sender)> onSelectionChange;

    explicit ListBox(Control& parent);

    // While one lives, the list does not draw; it draws once when the last one goes. A
    // visible list otherwise updates its scroll bar and repaints for every entry added, which
    // makes filling it with a hundred entries take a noticeable while.
    class Batch {
    public:
        explicit Batch(ListBox& list);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        ListBox& list_;
    };

    void add(const std::string& item);
    void clear();
    int count() const;
    // Entry `index`; empty when there is none.
    std::string item(int index) const;

    // The current entry, or -1 when the list has none (an empty list).
    int itemIndex() const;
    // Makes `index` the only selected entry and the current one; -1 (or an index past the end)
    // selects nothing and leaves the focus rectangle where it is.
    void setItemIndex(int index);
    bool selected(int index) const;
    int selectedCount() const;

    bool integralHeight() const;
    // Off: the list keeps the height it is given instead of snapping to whole entries.
    // The style is fixed when the window is made, so the window is made again.
    void setIntegralHeight(bool on);

protected:
    bool reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    HWND makeWindow(bool integralHeight);

    int batches_ = 0;
};
