#include "project/ui/ProjectTab.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/Qt1251.h"
#include "browser/ui/KeyFilter.h"
#include "excel/ui/SpreadsheetAction.h"
#include "project/Summing.h"
#include "project/ui/ProjectListModel.h"
#include "project/ui/TSpecMesForm.h"

namespace brenvoll::ui {

namespace {

QPushButton* addButton(QWidget* parent, QLayout* layout, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(name);
    button->setMinimumHeight(28);
    layout->addWidget(button);
    return button;
}

QFont courier(int pixels) {
    QFont font("Courier New");
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(pixels);
    return font;
}

// Letters the code page cannot hold are refused at the key, like any other filtered key.
void refuseUnholdableKeys(QLineEdit* edit, Prompter* prompter) {
    edit->installEventFilter(new KeyFilter(
        edit,
        [](QChar c) { return c == QChar('\b') || text::fromUtf8(QString(c).toStdString()).has_value(); },
        [prompter] { prompter->beep(); }));
}

}  // namespace

ProjectTab::ProjectTab(AppContext& context, QWidget* sheet)
    : QWidget(sheet), context_(context), files_(context.appDir / "Projects") {
    auto* columns = new QHBoxLayout(this);
    columns->setContentsMargins(6, 6, 6, 6);
    buildRowGroup(this);
    auto* right = new QVBoxLayout;
    columns->addLayout(right, 1);
    buildProjectGroup(this);
    right->addWidget(findChild<QGroupBox*>("Pan_Project"));

    Label36 = new QLabel(this);
    Label36->setObjectName("Label36");
    QFont bold = Label36->font();
    bold.setBold(true);
    bold.setPixelSize(14);
    Label36->setFont(bold);
    right->addWidget(Label36);

    TVWirt = new QListView(this);
    TVWirt->setObjectName("TVWirt");
    TVWirt->setFont(courier(12));
    TVWirt->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TVWirt->setSelectionMode(QAbstractItemView::SingleSelection);
    TVWirt->setUniformItemSizes(true);
    TVWirt->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The current row stays visible while the list has no focus.
    QPalette palette = TVWirt->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight,
                     palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    TVWirt->setPalette(palette);
    model_ = new ProjectListModel(context_.project, this);
    TVWirt->setModel(model_);
    right->addWidget(TVWirt, 1);

    buildPanels(this);
    right->addWidget(Panel_Input_Koment);
    right->addWidget(Panel_Input_Prim);
    columns->insertWidget(0, findChild<QGroupBox*>("Pan_Row"));

    connect(TVWirt, &QListView::clicked, this, [this](const QModelIndex& index) {
        run([&] { project::clickRow(context_.project, editing_, static_cast<size_t>(index.row())); });
    });
    // The current row is the selected line. The list also makes its first line current, unselected, when it
    // gets the focus by the keyboard; the row buttons must not act on that line.
    connect(TVWirt->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (syncing_) return;
        const QModelIndexList rows = TVWirt->selectionModel()->selectedRows();
        context_.project.select(
            rows.isEmpty() ? std::nullopt : std::optional<size_t>(static_cast<size_t>(rows.first().row())));
    });
    registerNamedState();
    sync();
}

void ProjectTab::buildProjectGroup(QWidget* parent) {
    auto* group = new QGroupBox(QString::fromUtf8("Проект:"), parent);
    group->setObjectName("Pan_Project");
    auto* row = new QHBoxLayout(group);
    connect(addButton(group, row, "But_Open_Pr", "Открыть"), &QPushButton::clicked, this,
            [this] { openProject(); });
    auto* save = addButton(group, row, "But_Save_Pr", "Сохранить");
    save->setToolTip(QString::fromUtf8("Доступно только с жёсткого диска компьютера !!!!"));
    connect(save, &QPushButton::clicked, this, [this] { saveProject(); });
    connect(addButton(group, row, "But_Close_Pr", "Закрыть"), &QPushButton::clicked, this,
            [this] { run([&] { project::closeProject(context_.project); }); });
    connect(addButton(group, row, "But_Delete_Project", "Удалить"), &QPushButton::clicked, this,
            [this] { deleteProjects(); });
    connect(addButton(group, row, "But_Sum", "Суммировать  строки"), &QPushButton::clicked, this,
            [this] { run([&] { project::sumRows(context_.project, context_.store); }); });
    connect(addButton(group, row, "But_Pr_To_Excel", "Перевести в Excel"), &QPushButton::clicked, this,
            [this] { exportProject(); });
}

void ProjectTab::buildRowGroup(QWidget* parent) {
    auto* group = new QGroupBox(QString::fromUtf8("Строка:"), parent);
    group->setObjectName("Pan_Row");
    group->setFixedWidth(140);
    auto* column = new QVBoxLayout(group);
    auto& project = context_.project;
    auto& editing = editing_;
    const struct {
        const char* name;
        const char* caption;
        std::function<void()> operation;
    } buttons[] = {
        {"RzToolButton38", "Удалить", [&project] { project::deleteRow(project); }},
        {"RzToolButton39", "Вырезать", [&project, &editing] { project::cutRow(project, editing); }},
        {"RzToolButton40", "Копировать", [&project, &editing] { project::copyRow(project, editing); }},
        {"RzToolButton61", "Вставить", [&project, &editing] { project::pasteRow(project, editing); }},
        {"RzToolButton62", "Добавить",
         [&project, &editing] { project::appendClipboardRow(project, editing); }},
        {"RzToolButton63", "Изменить кол", [this] { changeQuantity(); }},
        {"RzToolButton64", "Найти в Кат",
         [this] {
             if (auto node = project::findInCatalog(context_.project, context_.store))
                 emit showInCatalogRequested(*node);
         }},
        {"RzToolButton65", "Комментарий", [&editing] { project::openCommentPanel(editing); }},
        {"But_Prim", "Примечание", [&project, &editing] { project::openNotePanel(project, editing); }},
    };
    for (const auto& b : buttons) {
        auto operation = b.operation;
        connect(addButton(group, column, b.name, b.caption), &QPushButton::clicked, this,
                [this, operation] { run(operation); });
    }
    column->addStretch(1);
}

void ProjectTab::buildPanels(QWidget* parent) {
    Panel_Input_Koment =
        new QGroupBox(QString::fromUtf8("Введите строку коментария  (не более 80 символов) "), parent);
    Panel_Input_Koment->setObjectName("Panel_Input_Koment");
    auto* comment = new QHBoxLayout(Panel_Input_Koment);
    EdKoment = new QLineEdit(Panel_Input_Koment);
    EdKoment->setObjectName("EdKoment");
    EdKoment->setMaxLength(static_cast<int>(project::kCommentMaxLength));
    EdKoment->setFont(courier(12));
    refuseUnholdableKeys(EdKoment, context_.prompter);
    comment->addWidget(EdKoment, 1);
    comment->addWidget(new QLabel(QString::fromUtf8("Количество  символов:"), Panel_Input_Koment));
    Kol_Simv = new QLabel(Panel_Input_Koment);
    Kol_Simv->setObjectName("Kol_Simv");
    Kol_Simv->setMinimumWidth(24);
    comment->addWidget(Kol_Simv);
    connect(addButton(Panel_Input_Koment, comment, "But_Koment_Dob", "Добавить"), &QPushButton::clicked, this,
            [this] { run([&] { project::addComment(context_.project, editing_); }); });
    connect(addButton(Panel_Input_Koment, comment, "But_Coment_Close", "Отмена"), &QPushButton::clicked, this,
            [this] { run([&] { project::closeCommentPanel(editing_); }); });
    connect(EdKoment, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!syncing_) run([&] { project::setCommentText(editing_, cp(text).value_or(editing_.EdKoment)); });
    });

    Panel_Input_Prim =
        new QGroupBox(QString::fromUtf8("Введите строку примечания  (не более 60 символов) "), parent);
    Panel_Input_Prim->setObjectName("Panel_Input_Prim");
    auto* note = new QHBoxLayout(Panel_Input_Prim);
    EdPrim = new QLineEdit(Panel_Input_Prim);
    EdPrim->setObjectName("EdPrim");
    EdPrim->setMaxLength(static_cast<int>(project::kNoteMaxLength));
    refuseUnholdableKeys(EdPrim, context_.prompter);
    note->addWidget(EdPrim, 1);
    connect(addButton(Panel_Input_Prim, note, "But_Prim_Dob", "Добавить"), &QPushButton::clicked, this,
            [this] { run([&] { project::addNote(context_.project, editing_); }); });
    connect(addButton(Panel_Input_Prim, note, "But_Prim_Close", "Отмена"), &QPushButton::clicked, this,
            [this] { run([&] { project::closeNotePanel(editing_); }); });
    connect(EdPrim, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!syncing_) run([&] { project::setNoteText(editing_, cp(text).value_or(editing_.EdPrim)); });
    });
}

void ProjectTab::registerNamedState() {
    for (size_t c = 0; c < project::kColumnCount; ++c) {
        const auto column = static_cast<project::Column>(c);
        context_.named.addList(project::columnName(column),
                               [this, column] { return context_.project.list(column); });
    }
}

void ProjectTab::run(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const AppError& e) {
        context_.prompter->error(e.message());
    }
    sync();
}

void ProjectTab::sync() {
    syncing_ = true;
    const auto& project = context_.project;
    model_->refresh();
    if (project.current() && *project.current() < project.size()) {
        const QModelIndex index = model_->index(static_cast<int>(*project.current()));
        TVWirt->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    } else {
        TVWirt->selectionModel()->clear();
    }
    Label36->setText(qs(project.projectName()));
    Panel_Input_Koment->setVisible(editing_.Panel_Input_Koment);
    Panel_Input_Prim->setVisible(editing_.Panel_Input_Prim);
    if (cp(EdKoment->text()) != editing_.EdKoment) EdKoment->setText(qs(editing_.EdKoment));
    if (cp(EdPrim->text()) != editing_.EdPrim) EdPrim->setText(qs(editing_.EdPrim));
    Kol_Simv->setText(QString::fromStdString(editing_.Kol_Simv()));
    syncing_ = false;
}

project::AddOutcome ProjectTab::addFromCard(const project::CardFields& card) {
    project::AddOutcome outcome;
    run([&] { outcome = project::addFromCard(context_.project, context_.store, card, *context_.prompter); });
    return outcome;
}

void ProjectTab::openProject() {
    run([&] { files_.beginOpen(context_.specMes); });
    context_.dialogs.specMes->runModal({
        .okOpen = [this] { files_.confirmOpen(context_.project, context_.specMes, *context_.prompter); },
        .cancel = [this] { context_.specMes.close(); },
    });
    sync();
}

void ProjectTab::saveProject() {
    run([&] { files_.beginSave(context_.specMes, context_.project); });
    context_.dialogs.specMes->runModal({
        .okSave = [this] { files_.confirmSave(context_.project, context_.specMes, *context_.prompter); },
        .cancel = [this] { context_.specMes.close(); },
    });
    sync();
}

void ProjectTab::deleteProjects() {
    run([&] { files_.beginDelete(context_.specMes); });
    context_.dialogs.specMes->runModal({
        .deleteSelected = [this] { files_.confirmDelete(context_.specMes); },
        .cancel = [this] { context_.specMes.close(); },
    });
    sync();
}

void ProjectTab::changeQuantity() {
    if (!project::beginChangeQuantity(context_.project, context_.specMes)) return;
    context_.dialogs.specMes->runModal({
        .okQuantity =
            [this] {
                project::applyChangeQuantity(context_.project, context_.store, context_.specMes,
                                             *context_.prompter);
            },
        .cancel = [this] { project::cancelChangeQuantity(context_.specMes); },
    });
}

void ProjectTab::exportProject() {
    std::vector<excel::ExportRow> rows;
    const auto& project = context_.project;
    using project::Column;
    for (size_t i = 0; i < project.size(); ++i)
        rows.push_back({project.at(Column::TVW_Cod, i), project.at(Column::TVW_Cod1, i),
                        project.at(Column::TVW_Name, i), project.at(Column::TVW_Izm, i),
                        project.at(Column::TVW_Kol, i), project.at(Column::TVW_Prim, i)});
    runSpreadsheetAction(context_,
                         [&](excel::Spreadsheet& sheet) { excel::ExportProject(sheet, context_.cwd, rows); });
}

bool ProjectTab::confirmLeaving() {
    if (!context_.project.modified()) return true;
    switch (context_.prompter->askYesNoCancel(text::w("Сохранить изменения в проекте?"))) {
        case Prompter::Answer::Yes:
            saveProject();
            // A save that was cancelled or failed keeps the program open, so nothing is lost.
            return !context_.project.modified();
        case Prompter::Answer::No:
            return true;
        case Prompter::Answer::Cancel:
            break;
    }
    return false;
}

}  // namespace brenvoll::ui
