#pragma once

// The widget of a plain window: it paints through WM_PAINT when the window handles it.

#include <QDialog>
#include <QWidget>

namespace tamo::platform {

class WndImpl;

// Runs WM_PAINT of the window with a painter on the widget; false when the window does not paint itself.
bool PaintWindow(WndImpl* impl, QWidget* widget, const QRect& rect);

class WndWidget : public QWidget {
public:
    WndWidget(WndImpl* impl, QWidget* parent, Qt::WindowFlags flags = {});
    void Forget() { m_impl = nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override;
    // A window keeps its mouse messages: unlike Qt widgets, it never hands them to its parent.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    WndImpl* m_impl;
};

// The one-pixel frame of a child window with WS_BORDER: it shows black around the client widget and keeps the
// clicks on it.
class BorderWidget : public QWidget {
public:
    explicit BorderWidget(QWidget* parent);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace tamo::platform
