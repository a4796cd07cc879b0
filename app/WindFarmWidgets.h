#pragma once

// The small building functions every page of the dashboard is made with.
// Each control gets its look only from a style name of the theme folder
// (setThemeName) and both size policies 0 unless a fixed size is asked for.

#include "CVNQContainer.h"

#include <QColor>
#include <QPair>
#include <QPointer>
#include <QString>
#include <QVector>

class QComboBox;

namespace CVNQtLib {
class CVNQComboBox;
class CVNQImage;
class CVNQLabel;
class CVNQLineEdit;
class CVNQPushButton;
} // namespace CVNQtLib

// The dashboard's green accent, and the tint of icons on plain buttons.
inline const QColor kWindAccent(0, 239, 134);
inline const QColor kWindIconColour(210, 230, 226);

// A box that keeps one widget (an icon or a button) centred in itself after
// every resize: its own child layout is off, so docking cannot do it.
class CenteredIconBox : public CVNQtLib::CVNQContainer
{
    Q_OBJECT

public:
    explicit CenteredIconBox(QWidget* parent = nullptr);

    void setIconWidget(QWidget* icon);
    QWidget* iconWidget() const { return icon; }
    // Moves the widget to the centre now.
    void centerIcon();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QPointer<QWidget> icon;
};

// Gives a control its style (when not empty) and both size policies 0.
void styleControl(QWidget* w, const QString& style);

// Fixed sizes: minimum = maximum and, for a control, size policy 1 in that
// direction.
void setFixedWidthOf(QWidget* w, int width);
void setFixedHeightOf(QWidget* w, int height);
void setFixedSizeOf(QWidget* w, int width, int height);

// Adds child to parent with the ratio: through the container's child list
// when parent is a container, else as a plain child.
void addToParent(QWidget* parent, QWidget* child, int ratio);

// Makes a container one of the window's pages: its name, the page style,
// the page padding and its children top to bottom, space apart.
void stylePage(CVNQtLib::CVNQContainer* page, const QString& objectName, int space);

CVNQtLib::CVNQContainer* makeContainer(QWidget* parent, const QString& style,
                                       CVNQtLib::CVNQContainer::AutoChildLayout layout, int ratio, int space = 0,
                                       int left = 0, int top = 0, int right = 0, int bottom = 0);
CVNQtLib::CVNQLabel* makeLabel(QWidget* parent, const QString& style, int ratio, int height);
// The label centred vertically in a box of its own (fixed width when > 0).
CVNQtLib::CVNQLabel* makeCenteredLabel(QWidget* parent, const QString& style, int ratio, int height, int width);
CVNQtLib::CVNQImage* makeIcon(QWidget* parent, const QString& svgPath, int w, int h, const QColor& colour);
CenteredIconBox* makeIconBox(QWidget* parent, const QString& svgPath, int w, int h, const QColor& colour,
                             int boxWidth = 0);
// Reserves w pixels at the end of parent's row and docks the icon at the
// parent's right edge, vertically centred.
CVNQtLib::CVNQImage* makeDockedIcon(QWidget* parent, const QString& svgPath, int w, int h, const QColor& colour);
// A push button centred in a box of fixed width; with an icon path the icon
// is drawn tinted in iconColour and the text only when there is one.
CVNQtLib::CVNQPushButton* makeButton(QWidget* parent, const QString& style, const QString& text, int width, int height,
                                     const QString& iconPath = QString(), const QColor& iconColour = QColor());
CVNQtLib::CVNQContainer* makeDivider(QWidget* parent);
// A "WindLineEdit" text field of fixed height, added with the ratio.
CVNQtLib::CVNQLineEdit* makeLineEdit(QWidget* parent, const QString& objectName, int ratio, int height);
// A "WindCombo" drop-down with the chevron on its button in every state
// (also while its list opens, and when disabled), of fixed height and, when
// width > 0, fixed width; added with ratio 0.
CVNQtLib::CVNQComboBox* makeCombo(QWidget* parent, const QString& objectName, int width, int height);

// The text for the window's language: Chinese when language is 1, else
// English (both given as UTF-8).
QString bilingual(int language, const char* english, const char* chinese);

// A number in fixed notation with that many decimals, no grouping.
QString fixedNumber(double value, int decimals);
// The live readings as the turbine table and the detail drawer show them.
QString outputText(double kw);
QString windText(double metresPerSecond);
QString temperatureText(double celsius);

// Rewrites a combo box's items (text and Qt::UserRole data) with its
// signals blocked, and makes current the item whose data is current, else
// the first.
void refillCombo(QComboBox* combo, const QVector<QPair<QString, int>>& items, int current);
