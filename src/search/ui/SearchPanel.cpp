#include "search/ui/SearchPanel.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPainterPath>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStringListModel>
#include <QToolButton>
#include <QTreeView>

#include "app/ui/AppContext.h"
#include "app/ui/Qt1251.h"

namespace brenvoll::ui {

namespace {

QFont courier12() {
    QFont font("Courier New");
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(12);
    return font;
}

QLabel* caption(const char* text, QWidget* parent, int x, int y) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->move(x, y);
    label->adjustSize();
    return label;
}

// A circular arrow: search again from the top.
QIcon restartIcon() {
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x1f, 0x3c, 0x78), 2));
    p.drawArc(QRectF(4, 4, 12, 12), 90 * 16, 270 * 16);
    QPainterPath head;
    head.moveTo(10, 1);
    head.lineTo(14, 4);
    head.lineTo(10, 7);
    head.closeSubpath();
    p.fillPath(head, QColor(0x1f, 0x3c, 0x78));
    return QIcon(pixmap);
}

// A list whose focus does not pick its first row: only a click or a key chooses.
class ResultListView : public QListView {
  public:
    using QListView::QListView;

  protected:
    void focusInEvent(QFocusEvent* event) override {
        if (currentIndex().isValid()) return QListView::focusInEvent(event);
        QAbstractScrollArea::focusInEvent(event);
        viewport()->update();
    }
};

}  // namespace

SearchPanel::SearchPanel(AppContext& context, search::Search& search, QTreeView* tree, Runner run,
                         QWidget* parent)
    : QGroupBox(QString::fromUtf8("    Панель поиска"), parent),
      context_(context),
      search_(search),
      tree_(tree),
      run_(std::move(run)) {
    setObjectName("GroupBox_Poisk");
    build();
    connectOperations();
}

void SearchPanel::build() {
    caption("Артикул ", this, 10, 18);
    ComBoxCod = new QComboBox(this);
    ComBoxCod->setObjectName("ComBoxCod");
    ComBoxCod->setGeometry(10, 34, 176, 22);

    caption("Ключевое слово", this, 194, 18);
    RedPoisk = new QLineEdit(this);
    RedPoisk->setObjectName("RedPoisk");
    RedPoisk->setGeometry(194, 34, 150, 22);

    caption("Область поиска", this, 352, 18);
    ComBox_Obl_Poiska = new QComboBox(this);
    ComBox_Obl_Poiska->setObjectName("ComBox_Obl_Poiska");
    ComBox_Obl_Poiska->setGeometry(352, 34, 96, 22);
    for (const char* area : {"Название", "Артикул", "Код"})
        ComBox_Obl_Poiska->addItem(QString::fromUtf8(area));
    ComBox_Obl_Poiska->setCurrentIndex(-1);

    RzToolButton34 = new QToolButton(this);
    RzToolButton34->setObjectName("RzToolButton34");
    RzToolButton34->setText(QString::fromUtf8("Найти"));
    RzToolButton34->setGeometry(454, 33, 46, 24);

    caption("Название продукта", this, 10, 60);
    ComBoxName = new QComboBox(this);
    ComBoxName->setObjectName("ComBoxName");
    ComBoxName->setGeometry(10, 76, 490, 22);

    for (QComboBox* picker : {ComBoxCod, ComBoxName}) {
        picker->setEditable(false);
        picker->setMaxVisibleItems(22);
        picker->setFont(courier12());
    }

    But_Poisk1 = new QRadioButton(QString::fromUtf8("Весь список"), this);
    But_Poisk1->setObjectName("But_Poisk1");
    But_Poisk1->setGeometry(10, 104, 120, 20);
    But_Poisk1->setChecked(true);
    But_Poisk2 = new QRadioButton(QString::fromUtf8("Последовательно"), this);
    But_Poisk2->setObjectName("But_Poisk2");
    But_Poisk2->setGeometry(136, 104, 140, 20);

    RzToolButton33 = new QToolButton(this);
    RzToolButton33->setObjectName("RzToolButton33");
    RzToolButton33->setIcon(restartIcon());
    RzToolButton33->setToolTip(
        QString::fromUtf8("Повторить последовательный поиск с тем же ключевым словом"));
    RzToolButton33->setGeometry(282, 102, 24, 24);

    contentsCaption_ = caption("Содержание каталога ", this, 10, 128);
    contentsCaption_->setObjectName("Label_Soderg");

    tree_->setParent(this);
    tree_->setGeometry(8, 144, 493, 239);
    TV_Poisk = new ResultListView(this);
    TV_Poisk->setObjectName("TV_Poisk");
    TV_Poisk->setGeometry(8, 144, 493, 239);
    TV_Poisk->setFont(courier12());
    TV_Poisk->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TV_Poisk->setSelectionMode(QAbstractItemView::SingleSelection);
    TV_Poisk->setUniformItemSizes(true);
    resultsModel_ = new QStringListModel(this);
    TV_Poisk->setModel(resultsModel_);
    TV_Poisk->hide();
}

void SearchPanel::connectOperations() {
    connect(ComBoxCod, &QComboBox::activated, this, [this](int index) {
        run_([this, index] {
            context_.pickers.codes.selected = index >= 0 ? std::optional<int>(index) : std::nullopt;
            search_.PickCode();
        });
    });
    connect(ComBoxName, &QComboBox::activated, this, [this](int index) {
        run_([this, index] {
            context_.pickers.names.selected = index >= 0 ? std::optional<int>(index) : std::nullopt;
            search_.PickName();
        });
    });
    connect(ComBox_Obl_Poiska, &QComboBox::activated, this, [this](int index) {
        search_.SetArea(index >= 0 ? std::optional(static_cast<search::Area>(index)) : std::nullopt);
    });
    connect(But_Poisk1, &QRadioButton::clicked, this, [this] { search_.SetMode(search::Mode::Listing); });
    connect(But_Poisk2, &QRadioButton::clicked, this, [this] { search_.SetMode(search::Mode::Stepping); });
    connect(RedPoisk, &QLineEdit::textEdited, this, &SearchPanel::keywordEdited);
    connect(RzToolButton34, &QToolButton::clicked, this,
            [this] { run_([this] { search_.SearchKeyword(); }); });
    connect(RzToolButton33, &QToolButton::clicked, this,
            [this] { run_([this] { search_.RestartStepping(); }); });
    connect(TV_Poisk, &QListView::clicked, this, [this] {
        const QModelIndexList selected = TV_Poisk->selectionModel()->selectedIndexes();
        const std::optional<int> row =
            selected.isEmpty() ? std::nullopt : std::optional(selected.first().row());
        run_([this, row] { search_.OpenResult(row); });
    });
}

void SearchPanel::keywordEdited(const QString& text) {
    const auto keyword = cp(text);
    if (!keyword) {
        // The keyword is compared as catalog text; a character the code page lacks could never be found.
        const QSignalBlocker blocker(RedPoisk);
        RedPoisk->setText(qs(search_.keyword()));
        context_.prompter->message(
            text::w("Ключевое слово может содержать только символы кодировки Windows-1251 !"));
        return;
    }
    search_.SetKeyword(*keyword);
}

void SearchPanel::fillPickers() {
    const QSignalBlocker codes(ComBoxCod), names(ComBoxName);
    for (auto [combo, picker] :
         {std::pair{ComBoxCod, &context_.pickers.codes}, {ComBoxName, &context_.pickers.names}}) {
        QStringList items;
        items.reserve(static_cast<qsizetype>(picker->items.size()));
        for (const auto& item : picker->items) items.push_back(qs(item));
        combo->clear();
        combo->addItems(items);
    }
    sync();
}

void SearchPanel::sync() {
    {
        const QSignalBlocker codes(ComBoxCod), names(ComBoxName);
        ComBoxCod->setCurrentIndex(context_.pickers.codes.selected.value_or(-1));
        ComBoxName->setCurrentIndex(context_.pickers.names.selected.value_or(-1));
    }
    if (search_.resultsVersion() != shownResultsVersion_) {
        shownResultsVersion_ = search_.resultsVersion();
        QStringList rows;
        rows.reserve(static_cast<qsizetype>(search_.TV_Poisk().size()));
        for (const auto& row : search_.TV_Poisk()) rows.push_back(qs(row));
        resultsModel_->setStringList(rows);
    }
    TV_Poisk->setVisible(search_.resultsShown());
    tree_->setVisible(!search_.resultsShown());
}

}  // namespace brenvoll::ui
