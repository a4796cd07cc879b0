#pragma once

// The toolkit's top-level window: a dialog that is dragged by its caption
// band or any spot that is not an interactive control, resized at its edges
// and corners above a minimum size, optionally paints a background and runs
// a modal loop of its own. Frameless only once its user sets the frameless
// window flag (or calls setTransparent(true)).
//
// Shown as an application's window (not modal) it leaves Escape and Return
// to its controls: a dialog's Escape would close it, with the application
// and the user's work, and its Return would click a default button the user
// never chose. Run modally (exec(), open(), doModal(), setModal) it keeps
// the dialog's keys.

#include "CVNQFramelessWidget.h"
#include "CVNQGlobal.h"
#include "ICVNQPageFrame.h"

#include <QDialog>

namespace CVNQtLib {

class CVNQMDIArea;

class CVNQ_EXPORT CVNQWindow : public CVNQFramelessWidget<QDialog>, public ICVNQPageFrame
{
    Q_OBJECT
public:
    explicit CVNQWindow(QWidget* parent = nullptr);
    ~CVNQWindow() override;

    static QString typeName() { return QStringLiteral("CVNWindow"); }

    // Negative values count as 0; also the widget's minimum size.
    void setMinWidth(int w) override;
    void setMinHeight(int h) override;
    void setMinSize(int w, int h);
    QSize getMinSize() const;
    // Shows the window application-modal and blocks in its own event loop
    // until closeModal() or a close.
    void doModal();
    void closeModal();
    void setMDIArea(CVNQMDIArea* area);
    CVNQMDIArea* getMDIArea() const;
    void ToJsonString(QString& out);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool nativeEvent(const QByteArray& eventType, void* message, long* result) override;
};

} // namespace CVNQtLib
