#pragma once

// The toolkit's themed progress indicator (type "qtprogressbar"): Qt's
// value model (range, value, orientation, signals) painted with two fill
// styles, a background over the whole control and a foreground over the
// covered part, as a bar or, in circle mode, as a pie wedge; optionally
// with the value as text.

#include "CVNQControl.h"
#include "CVNQGlobal.h"

#include <QProgressBar>

namespace CVNQtLib {

class CVNQProgressBarImpl;

class CVNQ_EXPORT CVNQProgressBar : public QProgressBar, public ICVNQWidgetBase
{
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(CVNQProgressBar, CVNQProgressBarImpl)
    CVNQ_FORWARD_PAINT_EVENT()
public:
    explicit CVNQProgressBar(QWidget* parent = nullptr);
    ~CVNQProgressBar() override;
    static ControlInfo getProps();

    // One background and one foreground; the state argument is ignored.
    void setBackground(CommonCtrlState state, const FillStyle& style);
    const FillStyle& getBackground(CommonCtrlState state) const;
    void setForeground(CommonCtrlState state, const FillStyle& style);
    const FillStyle& getForeground(CommonCtrlState state) const;

    // The value as "<value>%"; this flag, not Qt's textVisible, decides.
    // Repaints.
    void setShowText(bool show);
    bool getShowText() const;

    void setCircleProgressBar(bool circle);
    bool getIsCircleProgressBar() const;
    // Accepted only when 1 <= start < end (degrees; 0 points down from the
    // centre, angles grow clockwise); otherwise nothing changes.
    void setCircleAngleRange(int start, int end);
    void getCirleAngleRange(int& start, int& end) const;

    CVNQProgressBarImpl* getImpl() const { return m_impl.get(); }
};

} // namespace CVNQtLib
