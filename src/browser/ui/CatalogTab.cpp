#include "browser/ui/CatalogTab.h"

#include <QAction>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTextEdit>
#include <QTreeView>
#include <QVBoxLayout>

#include "app/ui/Qt1251.h"
#include "browser/CatalogBrowser.h"
#include "browser/ui/ContentsTreeModel.h"
#include "browser/ui/CountSpinner.h"
#include "browser/ui/KeyFilter.h"
#include "browser/ui/PageViewLoader.h"
#include "browser/ui/PictureBox.h"
#include "browser/ui/TTextForm.h"
#include "search/KeywordSearch.h"
#include "search/ui/SearchPanel.h"
#include "text/Errors.h"

namespace brenvoll::ui {

namespace {

constexpr int kLeftPanelWidth = 516;
constexpr int kTextBandHeight = 136;

QFont pixelFont(const char* family, int pixels, QFont::StyleHint hint = QFont::AnyStyle) {
    QFont font(QString::fromUtf8(family));
    font.setStyleHint(hint);
    font.setPixelSize(pixels);
    return font;
}

// The add button's two pictures: a plus to add, a check mark once the product went into the project.
QIcon addIcon(bool added) {
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(added ? QColor(0x2e, 0x7d, 0x32) : QColor(0x1f, 0x3c, 0x78));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(1, 1, 18, 18));
    p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (added) {
        p.drawPolyline(QPolygonF({QPointF(5.5, 10.5), QPointF(8.5, 13.5), QPointF(14.5, 6.5)}));
    } else {
        p.drawLine(QPointF(10, 5), QPointF(10, 15));
        p.drawLine(QPointF(5, 10), QPointF(15, 10));
    }
    return QIcon(pixmap);
}

// The contents tree: getting the focus does not choose a node; only a click or a key does.
class ContentsTreeView : public QTreeView {
  public:
    using QTreeView::QTreeView;

  protected:
    void focusInEvent(QFocusEvent* event) override {
        if (currentIndex().isValid()) return QTreeView::focusInEvent(event);
        QAbstractScrollArea::focusInEvent(event);
        viewport()->update();
    }
};

QLabel* cardLabel(const char* name, QWidget* parent, QRect geometry) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setFont(pixelFont("Courier New", 12, QFont::TypeWriter));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    label->setPalette(palette);
    return label;
}

void setTextKeepingCursor(QLineEdit* edit, const QString& text) {
    if (edit->text() == text) return;
    const QSignalBlocker blocker(edit);
    edit->setText(text);
}

}  // namespace

CatalogTab::CatalogTab(AppContext& context, QWidget* sheet) : QWidget(sheet), context_(context) {
    setObjectName("Pan_Catalog");
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(2);
    auto* top = new QHBoxLayout;
    top->setSpacing(2);
    outer->addLayout(top, 1);

    auto* left = new QWidget(this);
    left->setObjectName("Pan_Left");
    left->setFixedWidth(kLeftPanelWidth);
    top->addWidget(left);

    buildPage();
    top->addWidget(RzPageControl2, 1);
    outer->addWidget(REdMain);

    loader_ = std::make_unique<PageViewLoader>(
        context_.store, REdMain,
        std::array<QLabel*, 6>{images_[0], images_[1], images_[2], images_[3], images_[4], images_[5]});
    browser_ = std::make_unique<browser::Browser>(context_.store, *loader_);
    search_ =
        std::make_unique<search::Search>(context_.store, *browser_, context_.pickers, *context_.prompter);

    TreeView1 = new ContentsTreeView(left);
    TreeView1->setObjectName("TreeView1");
    TreeView1->setHeaderHidden(true);
    TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeView1->setSelectionMode(QAbstractItemView::SingleSelection);
    TreeView1->setUniformRowHeights(true);
    TreeView1->setFont(pixelFont("Courier New", 12, QFont::TypeWriter));
    treeModel_ = new ContentsTreeModel(context_.store, this);
    TreeView1->setModel(treeModel_);

    searchPanel_ = new SearchPanel(
        context_, *search_, TreeView1, [this](const std::function<void()>& operation) { run(operation); },
        left);
    searchPanel_->setGeometry(4, 0, 508, 390);

    auto* card = new QGroupBox(QString::fromUtf8("Результат выбора"), left);
    card->setObjectName("GroupBox_Card");
    card->setGeometry(4, 392, 508, 108);
    buildCard(card);

    registerNamedState();
    connectOperations();
    sync();
}

CatalogTab::~CatalogTab() = default;

void CatalogTab::buildPage() {
    RzPageControl2 = new QTabWidget(this);
    RzPageControl2->setObjectName("RzPageControl2");
    RzPageControl2->setTabPosition(QTabWidget::South);
    const char* captions[] = {"Рис. 1", "Рис. 2", "Рис. 3", "Рис. 4", " Рис. 5", "Рис. 6"};
    for (int k = 0; k < 6; ++k) {
        auto* sheet = new QWidget;
        sheet->setObjectName(QString("TbSh_Ris%1").arg(k + 1));
        auto* layout = new QVBoxLayout(sheet);
        layout->setContentsMargins(0, 0, 0, 0);
        images_[static_cast<size_t>(k)] = new PictureBox(QString("Image%1").arg(k + 1), sheet);
        layout->addWidget(images_[static_cast<size_t>(k)]);
        RzPageControl2->addTab(sheet, QString::fromUtf8(captions[k]));
    }

    REdMain = new QTextEdit(this);
    REdMain->setObjectName("REdMain");
    REdMain->setReadOnly(true);
    REdMain->setFixedHeight(kTextBandHeight);
    REdMain->setProperty("filePath", QString());
    const QFont arial = pixelFont("Arial", 15, QFont::SansSerif);
    REdMain->setFont(arial);
    REdMain->document()->setDefaultFont(arial);
    REdMain->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* show = new QAction(QString::fromUtf8("Показать"), REdMain);
    REdMain->addAction(show);
    connect(show, &QAction::triggered, this, &CatalogTab::showTextWindow);
}

void CatalogTab::buildCard(QGroupBox* group) {
    Label_Cod1 = cardLabel("Label_Cod1", group, QRect(10, 20, 150, 18));
    Label_Cod = cardLabel("Label_Cod", group, QRect(166, 20, 158, 18));
    Label_Name = cardLabel("Label_Name", group, QRect(10, 42, 490, 18));

    But_ToSoderg = new QPushButton(QString::fromUtf8("Вернуться к содержанию"), group);
    But_ToSoderg->setObjectName("But_ToSoderg");
    But_ToSoderg->setGeometry(326, 14, 176, 24);

    Label2 = new QLabel(QString::fromUtf8("Количество"), group);
    Label2->setObjectName("Label2");
    Label2->setGeometry(10, 72, 84, 20);

    const QFont times = pixelFont("Times New Roman", 16, QFont::Serif);
    Edit_Kol = new QLineEdit(group);
    Edit_Kol->setObjectName("Edit_Kol");
    Edit_Kol->setGeometry(96, 66, 76, 30);
    Edit_Kol->setMaxLength(browser::kCountMaxLength);
    Edit_Kol->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Edit_Kol->setFont(times);
    Edit_Kol->setProperty("spinner", "UpD");
    UpD = new CountSpinner(group, [this](int steps) {
        browser_->card().StepCount(steps);
        sync();
    });
    UpD->setObjectName("UpD");
    UpD->setGeometry(172, 66, 18, 30);

    Ed_Input_Db = new QLineEdit(group);
    Ed_Input_Db->setObjectName("Ed_Input_Db");
    Ed_Input_Db->setGeometry(96, 66, 94, 30);
    Ed_Input_Db->setMaxLength(browser::kMetreMaxLength);
    Ed_Input_Db->setFont(times);

    Label_EdIzm = new QLabel(group);
    Label_EdIzm->setObjectName("Label_EdIzm");
    Label_EdIzm->setGeometry(198, 72, 70, 20);

    But_ToPrj = new QPushButton(QString::fromUtf8("Добавить в проект"), group);
    But_ToPrj->setObjectName("But_ToPrj");
    But_ToPrj->setGeometry(300, 64, 200, 34);
    But_ToPrj->setIconSize(QSize(20, 20));
}

void CatalogTab::registerNamedState() {
    NamedState& named = context_.named;
    named.addValue("CurAbsIndex", [this] { return std::to_string(browser_->CurAbsIndex()); });
    named.addValue("SeqSearchPos", [this] { return std::to_string(search_->SeqSearchPos()); });
    named.addValue("Label_AbsIndex", [this] { return browser_->card().Label_AbsIndex; });
    named.addValue("Ed_Izm", [this] { return browser_->card().Ed_Izm; });
    named.addValue("But_ToPrj.picture", [this] {
        return std::string(browser_->card().addPicture == browser::AddButtonPicture::Added ? "added"
                                                                                           : "normal");
    });
    named.addList("TV_Poisk_Virt", [this] { return search_->TV_Poisk_Virt(); });
    for (int l = 0; l < static_cast<int>(store::List::Count); ++l) {
        const auto list = static_cast<store::List>(l);
        named.addList(store::listName(list), [this, list] { return context_.store.list(list); });
    }
}

void CatalogTab::connectOperations() {
    connect(TreeView1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (!current.isValid()) return;
                const int node = ContentsTreeModel::nodeOf(current);
                run([this, node] { browser_->TreeSelectionChanged(node); });
            });
    connect(RzPageControl2, &QTabWidget::tabBarClicked, this,
            [this](int index) { run([this, index] { browser_->ShowTabText(index); }); });

    Edit_Kol->installEventFilter(new KeyFilter(
        Edit_Kol, [](QChar c) { return c == QChar('\b') || (c >= QChar('0') && c <= QChar('9')); },
        [this] { context_.prompter->beep(); }));
    connect(Edit_Kol, &QLineEdit::textEdited, this, [this](const QString& text) {
        browser_->card().SetCount(cp(text).value_or(text::fromUtf8Lossy(text.toStdString())));
        sync();
    });
    Ed_Input_Db->installEventFilter(new KeyFilter(
        Ed_Input_Db,
        [this](QChar c) {
            const auto key = cp(QString(c));
            return key && key->size() == 1 &&
                   browser::ProductCard::FilterMetreKey((*key)[0], browser_->card().Ed_Input_Db);
        },
        [this] { context_.prompter->beep(); }));
    connect(Ed_Input_Db, &QLineEdit::textEdited, this, [this](const QString& text) {
        browser_->card().SetMetres(cp(text).value_or(text::fromUtf8Lossy(text.toStdString())));
        sync();
    });

    connect(But_ToPrj, &QPushButton::clicked, this, &CatalogTab::addToProjectRequested);
    connect(But_ToSoderg, &QPushButton::clicked, this,
            [this] { run([this] { search_->ReturnToContents(); }); });
}

void CatalogTab::run(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const AppError& e) {
        sync();
        context_.prompter->error(e.message());
        return;
    } catch (const std::exception& e) {
        sync();
        context_.prompter->error(text::fromUtf8Lossy(e.what()));
        return;
    }
    sync();
}

void CatalogTab::sync() {
    const browser::ProductCard& card = browser_->card();
    Label_Cod1->setText(qs(card.Label_Cod1));
    Label_Cod->setText(qs(card.Label_Cod));
    Label_Name->setText(qs(card.Label_Name));
    Label_EdIzm->setText(qs(card.Label_EdIzm));
    setTextKeepingCursor(Edit_Kol, qs(card.Edit_Kol));
    setTextKeepingCursor(Ed_Input_Db, qs(card.Ed_Input_Db));
    Edit_Kol->setVisible(card.countVisible);
    UpD->setVisible(card.countVisible);
    Ed_Input_Db->setVisible(card.metresVisible);
    Label2->setVisible(card.quantityCaptionVisible);
    But_ToPrj->setEnabled(card.addEnabled);
    const bool added = card.addPicture == browser::AddButtonPicture::Added;
    if (But_ToPrj->property("added").toBool() != added || But_ToPrj->icon().isNull()) {
        But_ToPrj->setIcon(addIcon(added));
        But_ToPrj->setProperty("added", added);
    }
    But_ToSoderg->setVisible(search_->returnShown());

    const browser::PageDisplay& page = browser_->page();
    RzPageControl2->setCurrentIndex(page.activeTab);
    for (int k = 0; k < browser::kPictureTabs; ++k)
        RzPageControl2->setTabVisible(k, page.tabVisible[static_cast<size_t>(k)]);

    syncTree();
    searchPanel_->sync();
}

void CatalogTab::syncTree() {
    const auto selected = browser_->treeSelection();
    const QModelIndex wanted = selected ? treeModel_->indexOfNode(*selected) : QModelIndex();
    QItemSelectionModel* selection = TreeView1->selectionModel();
    if (selection->currentIndex() != wanted) {
        {
            // The program's own selection must not run the tree's selection operation again.
            const QSignalBlocker blocker(selection);
            selection->setCurrentIndex(wanted, QItemSelectionModel::ClearAndSelect);
        }
        if (wanted.isValid()) TreeView1->scrollTo(wanted);
        TreeView1->viewport()->update();
    }
    if (search_->treeKeepsHighlight() && !highlightKept_) {
        // Once a picker has been used, the chosen node stays highlighted while the focus is elsewhere.
        QPalette palette = TreeView1->palette();
        palette.setColor(QPalette::Inactive, QPalette::Highlight,
                         palette.color(QPalette::Active, QPalette::Highlight));
        palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                         palette.color(QPalette::Active, QPalette::HighlightedText));
        TreeView1->setPalette(palette);
        highlightKept_ = true;
    }
}

void CatalogTab::catalogLoaded(std::optional<int> initialPictureTabs) {
    treeModel_->reload();
    search_->CatalogLoaded();
    browser_->SetInitialPictureTabs(initialPictureTabs);
    searchPanel_->fillPickers();
    sync();
}

void CatalogTab::showFromProject(int absIndex) {
    run([this, absIndex] {
        if (!browser_->SelectTreeNode(absIndex)) browser_->ShowNode(absIndex);
    });
}

project::CardFields CatalogTab::cardFields() const {
    const browser::ProductCard& card = browser_->card();
    return {card.Label_Cod,      card.Label_Cod1, card.Label_Name, card.Label_EdIzm,
            card.Label_AbsIndex, card.Edit_Kol,   card.Ed_Input_Db};
}

void CatalogTab::applyAddOutcome(const project::AddOutcome& outcome) {
    browser::ProductCard& card = browser_->card();
    if (outcome.picture == project::AddButtonPicture::Added)
        card.addPicture = browser::AddButtonPicture::Added;
    if (outcome.picture == project::AddButtonPicture::Normal)
        card.addPicture = browser::AddButtonPicture::Normal;
    if (outcome.emptyCount) card.Edit_Kol.clear();
    sync();
}

void CatalogTab::showTextWindow() {
    context_.dialogs.text->showLines(loader_->plainLines());
}

}  // namespace brenvoll::ui
