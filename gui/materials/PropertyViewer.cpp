#include "gui/materials/PropertyViewer.h"

#include <QAction>
#include <QChart>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/materials/MaterialCatalog.h"
#include "gui/toolkit/ChartMenu.h"
#include "gui/toolkit/ChartView.h"
#include "gui/toolkit/FormControls.h"

namespace porvap {

namespace {

// Series p of every chart and the key beside row p of the plotted list share colour p.
const std::array<QColor, PropertyCurves::kSlots> kKeyColours = {
    QColor("red"),   QColor("green"), QColor("yellow"),  QColor("blue"),
    QColor("white"), QColor("gray"),  QColor("fuchsia"), QColor("teal"),
};
// A white or yellow curve would vanish on a white plot; all eight keys read on this.
const QColor kPlotBackground(192, 192, 192);

constexpr int kKeySize = 12;  // px
constexpr int kIntervals = 10;
constexpr int kStartInterval = 2;
constexpr QSize kStartSize(1120, 660);  // px

NumberSeparators LocaleSeparators() {
    const QLocale locale;
    return {locale.groupSeparator().toStdString(), locale.decimalPoint().toStdString()};
}

QStringList Names(const MaterialCatalog& catalog) {
    return QString::fromStdString(catalog.NamesText()).split('\n', Qt::SkipEmptyParts);
}

QWidget* ColourKeys(int frame) {
    auto* keys = new QWidget;
    auto* column = new QVBoxLayout(keys);
    const int gap = PropertyViewer::kRowHeight - kKeySize;
    column->setContentsMargins(0, frame + gap / 2, 0, 0);
    column->setSpacing(gap);
    for (int slot = 0; slot < PropertyCurves::kSlots; ++slot) {
        auto* key = new QFrame;
        key->setObjectName(QString("Shape%1").arg(slot + 1));
        key->setFixedSize(kKeySize, kKeySize);
        key->setStyleSheet(QString("QFrame { background-color: %1; border: 1px solid black; }")
                               .arg(kKeyColours[slot].name()));
        column->addWidget(key);
    }
    return keys;
}

}  // namespace

PropertyViewer::PropertyViewer(const MaterialCatalog& catalog, const DirectoryConfig& directories,
                               Prompter& prompts, Desktop& desktop, QWidget* parent)
    : QWidget(parent),
      catalog_(catalog),
      directories_(directories),
      prompts_(prompts),
      desktop_(desktop),
      lastIndex_(catalog.LastIndex()),
      curves_(LocaleSeparators()) {
    setObjectName("Form7");
    setWindowTitle(tr(kCaption));
    setAttribute(Qt::WA_DeleteOnClose);
    BuildWindow();
    Connect();
    resize(kStartSize);
}

PropertyViewer::~PropertyViewer() = default;

ChartView& PropertyViewer::VisibleChart() const {
    return *charts_[PageControl1->currentIndex()];
}

void PropertyViewer::BuildWindow() {
    PopupMenu1 = new ChartMenu("PopupMenu1", this);

    PageControl1 = new QTabWidget;
    PageControl1->setObjectName("PageControl1");
    for (int page = 0; page < PropertyCurves::kPages; ++page) {
        const auto which = static_cast<PropertyCurves::Page>(page);
        PageControl1->addTab(BuildPage(which), PropertyCurves::Caption(which));
    }
    PageControl1->setCurrentIndex(PropertyCurves::kIsotherms);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(PageControl1, 1);
    layout->addWidget(BuildSidePanel());
}

// The chart, its factor above it (on scaled pages) and the two faces below it.
QWidget* PropertyViewer::BuildPage(PropertyCurves::Page page) {
    charts_[page] = new ChartView(curves_.Chart(page));
    StyleChart(page);
    auto* body = new QWidget;
    auto* column = new QVBoxLayout(body);
    const std::string factor = curves_.FactorLabel(page);
    if (!factor.empty()) {
        QLabel* label = MakeLabel(QString::fromStdString(factor));
        label->setObjectName(QString("Factor%1").arg(PropertyCurves::Caption(page)));
        column->addWidget(label);
    }
    column->addWidget(charts_[page], 1);
    auto* faces = new QHBoxLayout;
    faces->addWidget(MakeLabel(tr("Face externa")));
    faces->addStretch();
    faces->addWidget(MakeLabel(tr("Face interna")));
    column->addLayout(faces);
    return body;
}

// Legend, colours and the hidden right axis are the viewer's own look; the view keeps them
// because its lines and axes live as long as it does.
void PropertyViewer::StyleChart(PropertyCurves::Page page) {
    ChartView& view = *charts_[page];
    QChart& chart = *view.chart();
    chart.legend()->hide();
    chart.setPlotAreaBackgroundBrush(kPlotBackground);
    chart.setPlotAreaBackgroundVisible(true);
    const QList<QAbstractSeries*> lines = chart.series();
    for (qsizetype slot = 0; slot < lines.size() && slot < PropertyCurves::kSlots; ++slot)
        static_cast<QLineSeries*>(lines[slot])->setColor(kKeyColours[slot]);
    if (page != PropertyCurves::kIsotherms) {
        for (QAbstractAxis* axis : chart.axes(Qt::Vertical)) {
            if (axis->alignment() == Qt::AlignRight)
                axis->hide();
        }
    }
    PopupMenu1->ShowOnRightClick(&view);
}

QWidget* PropertyViewer::BuildSidePanel() {
    ComboBox1 = MakeList("ComboBox1");
    ComboBox1->addItems(Names(catalog_));
    ComboBox1->setCurrentIndex(ComboBox1->count() > 0 ? 0 : -1);
    Button1 = MakeButton("Button1", tr("&Add"), tr("Plot selected material in combobox"));
    Button2 =
        MakeButton("Button2", tr("&Remove"), tr("Stop plotting selecting material in listbox"));
    ComboBox2 = MakeList("ComboBox2");
    for (int interval = 1; interval <= kIntervals; ++interval)
        ComboBox2->addItem(QString::number(interval));
    ComboBox2->setCurrentIndex(kStartInterval - 1);
    QLabel* label = MakeLabel(tr("Interval:"));
    label->setObjectName("Label1");
    label->setBuddy(ComboBox2);

    auto* panel = new QWidget;
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(ComboBox1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    column->addLayout(buttons);
    column->addWidget(BuildPlottedList());
    auto* interval = new QHBoxLayout;
    interval->addWidget(label);
    interval->addWidget(ComboBox2, 1);
    column->addLayout(interval);
    column->addStretch();
    return panel;
}

// Eight rows of equal height, each beside its colour key.
QWidget* PropertyViewer::BuildPlottedList() {
    ListBox1 = new QListWidget;
    ListBox1->setObjectName("ListBox1");
    ListBox1->setUniformItemSizes(true);
    const int frame = ListBox1->frameWidth();
    ListBox1->setFixedHeight(PropertyCurves::kSlots * kRowHeight + 2 * frame);
    auto* list = new QWidget;
    auto* row = new QHBoxLayout(list);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(ListBox1, 1, Qt::AlignTop);
    row->addWidget(ColourKeys(frame), 0, Qt::AlignTop);
    return list;
}

void PropertyViewer::Connect() {
    connect(Button1, &QPushButton::clicked, this, &PropertyViewer::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &PropertyViewer::Button2Click);
    connect(ComboBox2, &QComboBox::currentIndexChanged, this, &PropertyViewer::ComboBox2Change);
    connect(PopupMenu1->Copy(), &QAction::triggered, this, &PropertyViewer::Copiar1Click);
    connect(PopupMenu1->Save(), &QAction::triggered, this, &PropertyViewer::Salvar1Click);
}

}  // namespace porvap
