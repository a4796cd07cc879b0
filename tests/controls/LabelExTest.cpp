// Extended label: positions in the laid-out document, selections in any
// order and of any content, mouse selection, painting, JSON and sizes.

#include "CVNQLabelEx.h"
#include "CVNQLabelExImpl.h"
#include "ControlsTestUtil.h"
#include "TestUtil.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextLayout>
#include <QTextDocument>
#include <gtest/gtest.h>

using namespace CVNQtLib;
using namespace ControlsTest;

namespace {

const QColor kHighlight(155, 202, 239);

// The inked part of a line (its text advance) in document coordinates.
QRectF lineRect(CVNQLabelExImpl* impl, int block, int line)
{
    impl->document()->documentLayout()->documentSize();
    const QTextBlock b = impl->document()->findBlockByNumber(block);
    const QTextLine l = b.layout()->lineAt(line);
    return QRectF(b.layout()->position() + QPointF(l.x(), l.y()), QSizeF(l.horizontalAdvance(), l.height()));
}

// Row of a line above its glyphs (capitals stay below it).
int glyphFreeRow(const QRectF& r)
{
    return int(r.top()) + 1;
}

// Share of highlighted pixels along a glyph-free row of a line.
double highlighted(const QImage& img, const QRectF& r)
{
    const int y = glyphFreeRow(r);
    int hits = 0, total = 0;
    for (int x = int(r.left()) + 1; x < int(r.right()) - 1 && x < img.width(); ++x, ++total)
        hits += near(img.pixelColor(x, y), kHighlight, 6) ? 1 : 0;
    return total ? double(hits) / total : 0.0;
}

struct LabelExFixture : ::testing::Test
{
    void SetUp() override
    {
        label = new CVNQLabelEx(&host);
        label->setGeometry(0, 0, 200, 120);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        TextStyleDesc t;
        t.family = "DejaVu Sans";
        t.size = 14;
        label->setTextStyle(0, t);
        impl = label->getImpl();
        impl->applyDocumentFont();
    }
    // Paints the label, which also lays the document out at its size.
    QImage paint() { return render(label); }

    QWidget host;
    CVNQLabelEx* label = nullptr;
    CVNQLabelExImpl* impl = nullptr;
};

} // namespace

TEST_F(LabelExFixture, SelectionEndsAreStoredInDocumentOrder)
{
    impl->setSelection({0, 1, 5}, {0, 0, 9});
    EXPECT_EQ(impl->selectionStart(), LabelExPosition(0, 0, 9));
    EXPECT_EQ(impl->selectionEnd(), LabelExPosition(0, 1, 5));
    impl->setSelection({0, 0, 2}, {0, 0, 7});
    EXPECT_EQ(impl->selectionStart(), LabelExPosition(0, 0, 2));
    // A later line with a smaller column still comes later.
    impl->setSelection({0, 0, 9}, {0, 1, 2});
    EXPECT_EQ(impl->selectionStart(), LabelExPosition(0, 0, 9));
    EXPECT_EQ(impl->selectionEnd(), LabelExPosition(0, 1, 2));
    impl->setSelection({2, 0, 0}, {1, 3, 40});
    EXPECT_EQ(impl->selectionStart(), LabelExPosition(1, 3, 40));
    impl->clearSelection();
    EXPECT_TRUE(impl->selectionStart().isNone());
    EXPECT_TRUE(impl->selectionEnd().isNone());
    EXPECT_EQ(impl->beginPosition(), LabelExPosition(0, 0, 0));
}

TEST_F(LabelExFixture, PositionsComeFromEachBlocksOwnLayout)
{
    label->setText("First paragraph\nSecond paragraph");
    paint();
    const QRectF second = lineRect(impl, 1, 0);
    const LabelExPosition p = impl->positionAt(second.center().toPoint());
    EXPECT_EQ(p.block, 1);
    EXPECT_EQ(p.line, 0);
    EXPECT_GT(p.column, 0);
    EXPECT_LT(p.column, 16);
    EXPECT_TRUE(impl->positionAt(QPoint(5, 110)).isNone());
    EXPECT_TRUE(impl->positionAt(QPoint(-3, -3)).isNone());
    EXPECT_EQ(impl->endPosition(), LabelExPosition(1, 0, 16));
}

TEST_F(LabelExFixture, DoubleClickSelectsEverythingWithinTheDocument)
{
    label->setText("one paragraph that wraps over three lines of this label");
    label->resize(200, 80);
    paint();
    TestUtil::doubleClick(label, QPoint(10, 10));
    const LabelExPosition end = impl->selectionEnd();
    EXPECT_EQ(impl->selectionStart(), LabelExPosition(0, 0, 0));
    EXPECT_EQ(end.block, 0) << "never past the last block";
    EXPECT_GE(end.line, 1);
    EXPECT_EQ(end.column, impl->document()->characterCount() - 1);

    // Painted at the label's own width the text wraps into more lines than
    // at the double-click's page width; every one of them is highlighted.
    const QImage img = paint();
    const QTextLayout* painted = impl->document()->firstBlock().layout();
    ASSERT_GE(painted->lineCount(), 3);
    for (int i = 0; i < painted->lineCount(); ++i) {
        EXPECT_GT(highlighted(img, lineRect(impl, 0, i)), 0.8) << "line " << i;
    }
}

TEST_F(LabelExFixture, NoPositionCanBreakPainting)
{
    label->setText("Short text\nand a second block");
    const QVector<QPair<LabelExPosition, LabelExPosition>> odd = {
        {{0, 99, 5}, {0, 120, 1}},   {{50, 7, 1000}, {0, 0, 0}}, {{-5, -7, -9}, {1, 0, 3}},
        {{0, 0, 100000}, {3, 3, 3}}, {{1, 0, 2}, {1, 0, 2}},     {{0, 0, 4}, {2147483647, 0, 0}}};
    for (const auto& pair : odd) {
        impl->setSelection(pair.first, pair.second);
        paint();
    }
    // A selection past the end is clamped to it: both blocks show it.
    impl->setSelection({0, 0, 6}, {9, 9, 9});
    const QImage img = paint();
    EXPECT_GT(highlighted(img, lineRect(impl, 1, 0)), 0.8);
    // An empty document paints too.
    label->setText(QString());
    impl->setSelection({0, 0, 0}, impl->endPosition());
    paint();
}

TEST_F(LabelExFixture, SelectionDrawnAcrossBlocksFromStartToEnd)
{
    label->setText("Alpha beta\nGamma delta");
    paint();
    impl->setSelection({1, 0, 5}, {0, 0, 6}); // "beta" .. "Gamma"
    const QImage img = paint();
    const QRectF first = lineRect(impl, 0, 0);
    const QRectF second = lineRect(impl, 1, 0);
    const QTextLine l0 = impl->document()->firstBlock().layout()->lineAt(0);
    const qreal xBeta = first.left() + l0.cursorToX(6);
    const int y0 = glyphFreeRow(first);
    EXPECT_FALSE(near(img.pixelColor(int(first.left()) + 2, y0), kHighlight, 6)) << "\"Alpha \" is not selected";
    EXPECT_TRUE(near(img.pixelColor(int(xBeta) + 3, y0), kHighlight, 6)) << "\"beta\" is selected";
    const QTextLine l1 = impl->document()->lastBlock().layout()->lineAt(0);
    const int y1 = glyphFreeRow(second);
    EXPECT_TRUE(near(img.pixelColor(int(second.left()) + 1, y1), kHighlight, 6)) << "\"Gamma\" is selected";
    EXPECT_FALSE(near(img.pixelColor(int(second.left() + l1.cursorToX(8)), y1), kHighlight, 6)) << "\"delta\" is not";
}

TEST_F(LabelExFixture, MouseSelectionAndInteractionFlags)
{
    label->setText("Drag across this text");
    paint();
    const QRectF line = lineRect(impl, 0, 0);
    const int y = int(line.center().y());
    TestUtil::press(label, QPoint(int(line.left()) + 1, y));
    EXPECT_EQ(impl->selectionStart(), LabelExPosition(0, 0, 0));
    TestUtil::move(label, QPoint(int(line.right()) - 1, y), Qt::LeftButton);
    EXPECT_EQ(impl->selectionEnd().column, 21);
    TestUtil::release(label, QPoint(int(line.right()) - 1, y));
    EXPECT_GT(highlighted(paint(), line), 0.8);

    // Moving off every line with the button held clears the highlight (the
    // label tracks no bare moves).
    TestUtil::move(label, QPoint(5, 115), Qt::LeftButton);
    EXPECT_TRUE(impl->selectionEnd().isNone());
    EXPECT_EQ(highlighted(paint(), line), 0.0);

    // Without interaction flags the mouse does nothing.
    impl->clearSelection();
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    TestUtil::doubleClick(label, QPoint(10, y));
    EXPECT_TRUE(impl->selectionStart().isNone());
}

TEST_F(LabelExFixture, TextJsonAndSizes)
{
    EXPECT_EQ(CVNQLabelEx(&host).getImpl()->document()->toPlainText(), "label");
    label->setText("Plain <b>not bold</b>");
    EXPECT_TRUE(label->getHtmlContent().contains("Plain &lt;b&gt;not bold&lt;/b&gt;"));
    label->setHtmlContent("<p>Rich <b>bold</b></p>");
    EXPECT_EQ(impl->document()->toPlainText(), "Rich bold");

    Json::Value node = TestUtil::json(R"({"attr": {"text": "From JSON"}})");
    label->readJsonValue(&node);
    Json::Value out(Json::objectValue);
    label->serializeJsonValue(&out, false);
    EXPECT_EQ(out["attr"]["text"], Json::Value("From JSON"));
    EXPECT_TRUE(out["style"].isNull());
    label->setText(QString());
    Json::Value emptied(Json::objectValue);
    label->serializeJsonValue(&emptied, false);
    CVNQLabelEx again(&host);
    again.readJsonValue(&emptied);
    EXPECT_EQ(again.getImpl()->document()->toPlainText(), "");
    // Every read sets the document's font from the normal style.
    EXPECT_EQ(impl->document()->defaultFont().pixelSize(), 14);

    const QString html = "<p>" + QString("word ").repeated(40) + "</p>";
    const QSize narrow = label->calcSize(html, 100);
    const QSize wide = label->calcSize(html, 400);
    EXPECT_LE(narrow.width(), 100);
    EXPECT_GT(narrow.height(), wide.height());
    EXPECT_GT(wide.width(), 100);
    // Measured in the label's own font: the size of the same text laid out
    // apart in that font.
    for (int width : {100, 400}) {
        QTextDocument apart;
        apart.setDefaultFont(impl->document()->defaultFont());
        apart.setHtml(html);
        apart.setTextWidth(width);
        EXPECT_EQ(label->calcSize(html, width), QSize(int(apart.idealWidth()), int(apart.size().height()))) << width;
    }
}
