#include "CScrollBarStyle.h"

#include "ICVNQSliderThumb.h"

#include <QVariant>
#include <QWidget>

namespace CVNQtLib {

namespace {

// A slider's thumb as the style may use it: sizes beyond what a widget can
// be (a slider node may ask for anything) would overflow the geometry.
bool boundedSliderThumb(const QWidget* widget, int& length, QSize& thumb, bool& horizontal)
{
    const ICVNQSliderThumb* slider = dynamic_cast<const ICVNQSliderThumb*>(widget);
    if (!slider)
        return false;
    length = slider->getSliderLength();
    thumb = slider->getThumbBtnSize();
    horizontal = widget->property("orientation").value<Qt::Orientation>() == Qt::Horizontal;
    auto bound = [](int v) { return qBound(0, v, QWIDGETSIZE_MAX); };
    length = bound(length);
    thumb = QSize(bound(thumb.width()), bound(thumb.height()));
    return true;
}

} // namespace

CScrollBarStyle::CScrollBarStyle()
    : QProxyStyle()
{}

int CScrollBarStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    if (metric == PM_SliderLength) {
        int length = 0;
        QSize thumb;
        bool horizontal = true;
        if (boundedSliderThumb(widget, length, thumb, horizontal))
            return length;
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

QRect CScrollBarStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl subControl,
                                      const QWidget* widget) const
{
    QRect rect = QProxyStyle::subControlRect(control, option, subControl, widget);
    if (control != CC_Slider || subControl != SC_SliderHandle)
        return rect;
    int length = 0;
    QSize thumb;
    bool horizontal = true;
    if (!boundedSliderThumb(widget, length, thumb, horizontal))
        return rect;
    // The position along the groove stays the base style's; across the
    // groove the thumb is centred in the widget.
    if (horizontal) {
        rect.setSize(thumb);
        rect.moveTop((widget->height() - thumb.height()) / 2);
    } else {
        rect.setSize(thumb);
        rect.moveLeft((widget->width() - thumb.width()) / 2);
    }
    return rect;
}

QRect CScrollBarStyle::subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const
{
    return QProxyStyle::subElementRect(element, option, widget);
}

} // namespace CVNQtLib

#include "moc_CScrollBarStyle.cpp"
