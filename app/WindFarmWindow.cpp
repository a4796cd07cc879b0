#include "WindFarmWindow.h"

#include "CVNQChartBase.h"
#include "CVNQLabel.h"
#include "CVNQPushButton.h"
#include "CVNQStackContainer.h"
#include "GustrelResources.h"
#include "TurbineDetailDrawer.h"
#include "TurbineEditorDrawer.h"
#include "TurbineFilterProxyModel.h"
#include "WindDrawer.h"
#include "WindFarmOverviewPage.h"
#include "WindFarmSimulator.h"
#include "WindFarmStyle.h"
#include "WindFarmTurbinesPage.h"
#include "WindFarmWidgets.h"

#include <QTimer>

#include <algorithm>
#include <array>

using namespace CVNQtLib;

WindFarmWindow::WindFarmWindow(QWidget* parent)
    : CVNQWindow(parent)
{
    initGustrelResources();
    simulator = new WindFarmSimulator(this);
    proxyModel = new TurbineFilterProxyModel(this);

    setObjectName(QStringLiteral("windFarmWindow"));
    setWindowTitle(QStringLiteral("Qt-UI Gustrel"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
    setMinSize(1280, 720);
    resize(1440, 900);
    setResizeable(true);
    setCanDrag(true);
    setOnlyDragCaption(true);
    setCaptionHeight(72);

    buildUi();

    connect(simulator, &WindFarmSimulator::snapshotChanged, this, &WindFarmWindow::refreshSnapshot);
    connect(simulator, &WindFarmSimulator::chartHistoryChanged, this, &WindFarmWindow::refreshCharts);

    snapshot = simulator->snapshot();
    language = LanguageEnglish;
    retranslate();
    refreshSnapshot(snapshot);
    refreshCharts(snapshot);
    currentPage = PageOverview;
    pageStack->setCurrentIndex(PageOverview);
    updateNavigation();

    simulator->start(1000);

    QTimer::singleShot(0, this, [this]() {
        updateDrawerGeometry();
        centerWindow();
    });
}

WindFarmWindow::~WindFarmWindow()
{
    // No tick may reach a half-destroyed window.
    simulator->stop();
}

QString WindFarmWindow::iconPath(const QString& name)
{
    return gustrelIconPath(name);
}

QString WindFarmWindow::statusIconName(int status)
{
    return ::statusIconName(status);
}

QString WindFarmWindow::statusText(int status, int language)
{
    return ::statusText(status, language);
}

QString WindFarmWindow::statusText(int status) const
{
    return ::statusText(status, language);
}

QVector<QPair<QString, int>> WindFarmWindow::statusItems() const
{
    return ::statusItems(language);
}

ChartTheme WindFarmWindow::windChartTheme()
{
    return ::windChartTheme();
}

void WindFarmWindow::buildUi()
{
    root = new CVNQContainer(this);
    root->setObjectName(QStringLiteral("windRoot"));
    styleControl(root, QStringLiteral("WindWindow"));
    root->QWidget::setGeometry(rect());
    root->setChildSpace(0);
    root->setChildPadding(0, 0, 0, 0);
    root->setChildLayout(CVNQContainer::Vertical);

    header = makeContainer(root, QStringLiteral("WindHeader"), CVNQContainer::Horizontal, 0, 8, 18, 8, 12, 8);
    header->setObjectName(QStringLiteral("windHeader"));
    setFixedHeightOf(header, 72);

    pageStack = new CVNQStackContainer(root);
    pageStack->setObjectName(QStringLiteral("windPageStack"));
    styleControl(pageStack, QStringLiteral("WindStack"));
    root->addChildWidget(pageStack, 1);

    buildHeader();
    overviewPage = new WindFarmOverviewPage(pageStack);
    pageStack->addWidget(overviewPage);
    connect(overviewPage, &WindFarmOverviewPage::periodChosen, simulator, &WindFarmSimulator::setPeriodDays);
    connect(overviewPage, &WindFarmOverviewPage::turbineRequested, this, [this](const QString& id) {
        setCurrentPage(PageTurbines);
        selectTurbine(id);
    });
    turbinesPage = new WindFarmTurbinesPage(proxyModel, pageStack);
    pageStack->addWidget(turbinesPage);
    connect(turbinesPage, &WindFarmTurbinesPage::addTurbineClicked, this, &WindFarmWindow::openEditor);
    connect(turbinesPage, &WindFarmTurbinesPage::turbineClicked, this, &WindFarmWindow::selectTurbine);
    detailDrawer = new TurbineDetailDrawer(turbinesPage);
    editorDrawer = new TurbineEditorDrawer(simulator, turbinesPage);
    connect(editorDrawer, &TurbineEditorDrawer::turbineSaved, this, [this](const QString& id) {
        turbinesPage->searchFor(id);
        selectTurbine(id.toUpper());
    });
}

void WindFarmWindow::buildHeader()
{
    CVNQContainer* brand = makeContainer(header, QStringLiteral("WindClear"), CVNQContainer::Horizontal, 0, 8);
    setFixedWidthOf(brand, 184);
    makeIconBox(brand, iconPath(QStringLiteral("logo")), 38, 38, kWindAccent);
    brandLabel = makeCenteredLabel(brand, QStringLiteral("WindLabelMdBold"), 1, 26, 0);

    overviewButton =
        makeButton(header, QStringLiteral("WindNavButtonActive"), QString(), 100, 36, QString(), kWindIconColour);
    turbinesButton =
        makeButton(header, QStringLiteral("WindNavButton"), QString(), 100, 36, QString(), kWindIconColour);
    analyticsButton =
        makeButton(header, QStringLiteral("WindNavButton"), QString(), 100, 36, QString(), kWindIconColour);
    mapButton = makeButton(header, QStringLiteral("WindNavButton"), QString(), 100, 36, QString(), kWindIconColour);
    insightsButton =
        makeButton(header, QStringLiteral("WindNavButton"), QString(), 100, 36, QString(), kWindIconColour);
    analyticsButton->setEnabled(false);
    mapButton->setEnabled(false);
    insightsButton->setEnabled(false);
    overviewButton->setObjectName(QStringLiteral("navOverview"));
    turbinesButton->setObjectName(QStringLiteral("navTurbines"));
    connect(overviewButton, &QPushButton::clicked, this, [this]() { setCurrentPage(PageOverview); });
    connect(turbinesButton, &QPushButton::clicked, this, [this]() { setCurrentPage(PageTurbines); });

    makeContainer(header, QStringLiteral("WindClear"), CVNQContainer::Horizontal, 1);

    searchButton = makeButton(header, QStringLiteral("WindIconButton"), QString(), 34, 34,
                              iconPath(QStringLiteral("search")), kWindIconColour);
    searchButton->setObjectName(QStringLiteral("headerSearch"));
    connect(searchButton, &QPushButton::clicked, this, [this]() {
        setCurrentPage(PageTurbines);
        turbinesPage->focusTurbineSearch();
    });

    userLabel = makeCenteredLabel(header, QStringLiteral("WindLabelSmBold"), 0, 24, 92);
    makeIconBox(header, iconPath(QStringLiteral("user")), 27, 27, QColor(183, 211, 206));

    englishButton = makeButton(header, QStringLiteral("WindSecondaryButton"), QStringLiteral("EN"), 38, 30);
    chineseButton = makeButton(header, QStringLiteral("WindSecondaryButton"), QStringLiteral("中"), 38, 30);
    englishButton->setObjectName(QStringLiteral("languageEnglish"));
    chineseButton->setObjectName(QStringLiteral("languageChinese"));
    connect(englishButton, &QPushButton::clicked, this, [this]() { setLanguage(LanguageEnglish); });
    connect(chineseButton, &QPushButton::clicked, this, [this]() { setLanguage(LanguageChinese); });

    minimizeButton = makeButton(header, QStringLiteral("WindIconButton"), QString(), 30, 30,
                                iconPath(QStringLiteral("minimize")), kWindIconColour);
    maximizeButton = makeButton(header, QStringLiteral("WindIconButton"), QString(), 30, 30,
                                iconPath(QStringLiteral("maximize")), kWindIconColour);
    closeButton = makeButton(header, QStringLiteral("WindCloseButton"), QString(), 30, 30,
                             iconPath(QStringLiteral("close")), kWindIconColour);
    connect(minimizeButton, &QPushButton::clicked, this, &QWidget::showMinimized);
    connect(maximizeButton, &QPushButton::clicked, this, &WindFarmWindow::toggleMaximized);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
}

void WindFarmWindow::setCurrentPage(int page)
{
    currentPage = page;
    pageStack->setCurrentIndex(page);
    updateNavigation();
}

void WindFarmWindow::setLanguage(int value)
{
    language = value;
    retranslate();
    refreshSnapshot(snapshot);
    refreshCharts(snapshot);
}

void WindFarmWindow::refreshSnapshot(WindFarmSnapshot s)
{
    snapshot = s;
    overviewPage->refreshSnapshot(snapshot);
    turbinesPage->refreshSnapshot(snapshot);
    refreshDetailDrawer();
}

void WindFarmWindow::refreshCharts(WindFarmSnapshot s)
{
    overviewPage->refreshCharts(s);
}

void WindFarmWindow::refreshTableFilterSummary()
{
    turbinesPage->refreshTableFilterSummary();
}

bool WindFarmWindow::isDetailExpanded() const
{
    return detailDrawer->isExpanded();
}

bool WindFarmWindow::isEditorExpanded() const
{
    return editorDrawer->isExpanded();
}

const TurbineRecord* WindFarmWindow::findTurbine(const QString& id) const
{
    if (id.isEmpty())
        return nullptr;
    for (const TurbineRecord& t : snapshot.turbines) {
        if (t.id.compare(id, Qt::CaseInsensitive) == 0)
            return &t;
    }
    return nullptr;
}

void WindFarmWindow::selectTurbine(const QString& id)
{
    if (!findTurbine(id))
        return;
    selectedTurbineId = id;
    refreshDetailDrawer();
    if (editorDrawer->isExpanded())
        setEditorDrawerExpanded(false);
    setDetailDrawerExpanded(true);
}

void WindFarmWindow::refreshDetailDrawer()
{
    if (const TurbineRecord* t = findTurbine(selectedTurbineId))
        detailDrawer->showTurbine(*t);
}

void WindFarmWindow::setDetailDrawerExpanded(bool expanded)
{
    if (expanded && editorDrawer->isExpanded())
        editorDrawer->setExpanded(false);
    detailDrawer->setExpanded(expanded);
}

void WindFarmWindow::setEditorDrawerExpanded(bool expanded)
{
    if (expanded && detailDrawer->isExpanded())
        detailDrawer->setExpanded(false);
    editorDrawer->setExpanded(expanded);
}

void WindFarmWindow::openEditor()
{
    editorDrawer->resetForm(snapshot.turbineCount);
    setEditorDrawerExpanded(true);
    editorDrawer->focusIdField();
}

void WindFarmWindow::saveEditorTurbine()
{
    editorDrawer->saveTurbine();
}

void WindFarmWindow::toggleMaximized()
{
    // The toolkit window maximises to the screen's available area itself and
    // restores its last normal geometry: a frameless window cannot count on
    // a window manager doing either.
    CVNQWindow::toggleMaximized();
}

void WindFarmWindow::updateNavigation()
{
    overviewButton->setThemeName(currentPage == PageOverview ? QStringLiteral("WindNavButtonActive")
                                                             : QStringLiteral("WindNavButton"));
    turbinesButton->setThemeName(currentPage == PageTurbines ? QStringLiteral("WindNavButtonActive")
                                                             : QStringLiteral("WindNavButton"));
}

void WindFarmWindow::retranslate()
{
    retranslateFrame();
    overviewPage->setLanguage(language);
    turbinesPage->setLanguage(language);
    detailDrawer->setLanguage(language);
    editorDrawer->setLanguage(language);
    englishButton->setThemeName(language == LanguageEnglish ? QStringLiteral("WindNavButtonActive")
                                                            : QStringLiteral("WindSecondaryButton"));
    chineseButton->setThemeName(language == LanguageChinese ? QStringLiteral("WindNavButtonActive")
                                                            : QStringLiteral("WindSecondaryButton"));
    updateNavigation();
}

void WindFarmWindow::retranslateFrame()
{
    setWindowTitle(bilingual(language, "Qt-UI Gustrel Wind Farm Monitoring", "Qt-UI Gustrel 风电场监控"));
    brandLabel->setText(QStringLiteral("GUSTREL"));
    userLabel->setText(QStringLiteral("Dana Quill"));
    overviewButton->setText(bilingual(language, "Overview", "总览"));
    turbinesButton->setText(bilingual(language, "Turbines", "风机"));
    analyticsButton->setText(bilingual(language, "Analytics", "分析"));
    mapButton->setText(bilingual(language, "Map View", "地图"));
    insightsButton->setText(bilingual(language, "AI Insights", "AI 洞察"));
}

void WindFarmWindow::updateDrawerGeometry()
{
    root->QWidget::setGeometry(rect());
    root->forceResize();
    const int h = std::max(turbinesPage->height() - 32, 440);
    const std::array<WindDrawer*, 2> drawers = {detailDrawer, editorDrawer};
    for (WindDrawer* drawer : drawers) {
        setFixedHeightOf(drawer, h);
        // A sliding drawer keeps the width its slide gives it; so does one
        // that is still visible on its way closed.
        const bool settled = !drawer->isResizeAnimationRunning() && (drawer->isExpanded() || drawer->isHidden());
        drawer->resize(settled ? kDrawerWidth : drawer->width(), h);
    }
    // The page docks both drawers at their new size; then each lays out its
    // own children.
    turbinesPage->forceResize();
    for (WindDrawer* drawer : drawers) {
        drawer->forceResize();
        drawer->raise();
    }
}

void WindFarmWindow::resizeEvent(QResizeEvent* event)
{
    CVNQWindow::resizeEvent(event);
    if (root)
        updateDrawerGeometry();
}

bool WindFarmWindow::drawersAtRest() const
{
    return detailDrawer->isAtRest() && editorDrawer->isAtRest();
}

bool WindFarmWindow::isAtRest() const
{
    for (const CVNQChartBase* chart : findChildren<CVNQChartBase*>())
        if (chart->animationProgress() < 1.0)
            return false;
    return drawersAtRest();
}
