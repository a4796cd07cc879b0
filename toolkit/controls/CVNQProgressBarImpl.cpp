#include "CVNQProgressBarImpl.h"

#include "CVNJson.h"
#include "CVNQAttrJson.h"
#include "CVNQResourceManager.h"
#include "CVNQStateStyles.h"

#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <algorithm>
#include <cmath>

namespace CVNQtLib {

CVNQProgressBarImpl::CVNQProgressBarImpl(QProgressBar* owner, const QString& typeName)
    : CVNQControlImpl(owner, typeName)
{}

QProgressBar* CVNQProgressBarImpl::bar() const
{
    return static_cast<QProgressBar*>(m_owner);
}

double CVNQProgressBarImpl::fraction(int value, int minimum, int maximum)
{
    const double span = double(maximum) - double(minimum);
    if (span <= 0.0)
        return 0.0;
    return std::clamp((double(value) - double(minimum)) / span, 0.0, 1.0);
}

QRect CVNQProgressBarImpl::barRect(const QRect& rect, Qt::Orientation orientation, double fraction)
{
    if (orientation == Qt::Vertical) {
        const int fill = int(fraction * rect.height());
        return QRect(rect.left(), rect.top() + rect.height() - fill, rect.width(), fill);
    }
    return QRect(rect.left(), rect.top(), int(fraction * rect.width()), rect.height());
}

QPolygon CVNQProgressBarImpl::wedgePolygon(const QRect& rect, int startAngle, int endAngle, double fraction)
{
    const QPoint centre(rect.left() + rect.width() / 2, rect.top() + rect.height() / 2);
    // The radius reaches the corners, so the wedge covers the whole control
    // in its direction.
    const float radius = float(std::max(rect.width(), rect.height()));
    int sweep = int(fraction * (double(endAngle) - double(startAngle)));
    // Under the odd-even rule two full turns cancel out: dropping them keeps
    // the clip the same and the polygon small for any angle range.
    sweep -= (sweep / 720) * 720;
    const int last = startAngle + sweep;
    QPolygon polygon;
    polygon << centre;
    for (int a = startAngle; a < last; ++a) {
        // 0 degrees points down, 90 left, 180 up: clockwise on the screen.
        const float theta = float(a / 180.0 * 3.1415926);
        polygon << QPoint(centre.x() - int(std::sin(theta) * radius), centre.y() + int(std::cos(theta) * radius));
    }
    polygon << centre;
    return polygon;
}

void CVNQProgressBarImpl::paint()
{
    if (!m_owner)
        return;
    QPainter painter(m_owner);
    draw(&painter, QRect(0, 0, m_owner->width(), m_owner->height()));
}

void CVNQProgressBarImpl::draw(QPainter* painter, const QRect& rect)
{
    QProgressBar* owner = bar();
    if (!painter || !owner)
        return;
    const double share = fraction(owner->value(), owner->minimum(), owner->maximum());

    drawFillStyle(painter, background, rect);
    if (!circle) {
        const QRect covered = barRect(rect, owner->orientation(), share);
        if (!covered.isEmpty())
            drawFillStyle(painter, foreground, covered);
    } else if (share > 0.0) {
        painter->save();
        if (share < 1.0) {
            QPainterPath clip;
            clip.setFillRule(Qt::OddEvenFill);
            clip.addPolygon(wedgePolygon(rect, startAngle, endAngle, share));
            painter->setClipPath(clip, Qt::IntersectClip);
        }
        drawFillStyle(painter, foreground, rect);
        painter->restore();
    }

    if (showText)
        drawTextAt(painter, QStringLiteral("%1%").arg(owner->value()), textStyle, rect.left(), rect.top(), rect.width(),
                   rect.height(), true);
}

void CVNQProgressBarImpl::readJson(const Json::Value& node)
{
    cvnForEachStyleEntry(node, [this](const QString& name, int, int index) {
        cvnReadSlotEntry(Slots::background, index, name, background) ||
            cvnReadSlotEntry(Slots::foreground, index, name, foreground) ||
            cvnReadSlotEntry(Slots::text, index, name, textStyle);
    });

    const Json::Value* attr = cvnAttrObject(node);
    if (!attr)
        return;
    jsonRead(*attr, "showText", showText);
    // The value is content: a theme entry (also on a later theme change)
    // must not reset it.
    if (!CVNQResourceManager::getInstance()->isLoadFromThemeRes() && bar()) {
        int value = 0;
        jsonRead(*attr, "val", value);
        bar()->setValue(value);
    }
}

void CVNQProgressBarImpl::writeJson(Json::Value& node) const
{
    Json::Value list(Json::arrayValue);
    cvnWriteSlotEntry(list, Slots::background, background);
    cvnWriteSlotEntry(list, Slots::foreground, foreground);
    cvnWriteSlotEntry(list, Slots::text, textStyle);
    jsonMember(node, "style") = list.size() > 0 ? list : Json::Value();

    Json::Value& attr = cvnOwnAttr(node, {"showText", "val"});
    if (showText)
        cvnWriteFlag(attr, "showText", true);
    if (bar() && bar()->value() != 0)
        jsonMember(attr, "val") = bar()->value();
}

} // namespace CVNQtLib

#include "moc_CVNQProgressBarImpl.cpp"
