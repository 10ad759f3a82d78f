// Panel: a plain container. Its onPaint, when set, replaces the panel's own painting (the
// colour fill); transparent children draw what the panel paints behind them.
#pragma once

#include "toolkit/Control.h"

#include <functional>

enum class PanelEdge { None, Lowered };

class Panel : public Control {
public:
    // Paints the whole panel surface, 0,0 to width x height, on dc.
    std::function<void(Control& sender, HDC dc)> onPaint;

    explicit Panel(Control& parent, PanelEdge edge = PanelEdge::None);

    PanelEdge edge() const { return edge_; }
    // Lowered: a one-pixel sunken edge around the client area.
    void setEdge(PanelEdge edge);

    void paintBackground(HDC dc) override;

protected:
    LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    PanelEdge edge_;
};
