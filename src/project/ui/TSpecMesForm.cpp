#include "project/ui/TSpecMesForm.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <algorithm>

#include "app/ui/AppContext.h"
#include "app/ui/Qt1251.h"
#include "browser/ui/CountSpinner.h"
#include "browser/ui/KeyFilter.h"
#include "text/Quantity.h"

namespace brenvoll::ui {

namespace {
constexpr int kCountMaximum = 32000;

QPushButton* button(QWidget* parent, const char* name, const char* caption, QRect geometry) {
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(name);
    b->setGeometry(geometry);
    return b;
}
}  // namespace

TSpecMesForm::TSpecMesForm(AppContext& context, QWidget* parent) : QDialog(parent), context_(context) {
    setObjectName("TSpecMesForm");
    setWindowTitle(QString::fromUtf8("Проект"));
    setModal(true);
    setFixedSize(420, 330);

    auto* strip = new QLabel(this);
    strip->setObjectName("Image1");
    strip->setGeometry(0, 0, 420, 24);
    strip->setStyleSheet("background-color: #1f3c78;");

    Label1 = new QLabel(QString::fromUtf8("Выберите проект"), this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(16, 32, 300, 20);
    TV_Name_Project = new QListWidget(this);
    TV_Name_Project->setObjectName("TV_Name_Project");
    TV_Name_Project->setGeometry(16, 54, 388, 150);
    Label2 = new QLabel(QString::fromUtf8("Имя проекта"), this);
    Label2->setObjectName("Label2");
    Label2->setGeometry(16, 212, 120, 20);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName("Edit1");
    Edit1->setGeometry(16, 234, 388, 26);
    OK_Save = button(this, "OK_Save", "ОК", {212, 284, 90, 30});
    OK_Open = button(this, "OK_Open", "ОК", {212, 284, 90, 30});
    But_IsmKol = button(this, "But_IsmKol", "Удалить  проект", {172, 284, 130, 30});

    Label3 = new QLabel(QString::fromUtf8("Количество:"), this);
    Label3->setObjectName("Label3");
    Label3->setGeometry(16, 120, 110, 24);
    Ed_IzmKol = new QLineEdit(this);
    Ed_IzmKol->setObjectName("Ed_IzmKol");
    Ed_IzmKol->setGeometry(130, 118, 90, 28);
    Ed_IzmKol->setMaxLength(6);
    Ed_IzmKol->setProperty("spinner", "UpD1");
    Ed_IzmKol->installEventFilter(new KeyFilter(
        Ed_IzmKol, [](QChar c) { return c == QChar('\b') || (c >= QChar('0') && c <= QChar('9')); },
        [this] { context_.prompter->beep(); }));
    UpD1 = new CountSpinner(this, [this](int steps) {
        const auto count =
            std::clamp<std::int64_t>(text::readCount(context_.specMes.Ed_IzmKol) + steps, 0, kCountMaximum);
        context_.specMes.Ed_IzmKol = text::formatWhole(count);
        sync();
    });
    UpD1->setObjectName("UpD1");
    UpD1->setGeometry(220, 118, 18, 28);
    Mask_IzmKol = new QLineEdit(this);
    Mask_IzmKol->setObjectName("Mask_IzmKol");
    Mask_IzmKol->setGeometry(130, 118, 108, 28);
    // Metres: up to five digits before the comma and two after.
    Mask_IzmKol->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("\\d{0,5}(,\\d{0,2})?")), Mask_IzmKol));
    OK_Kol = button(this, "OK_Kol", "OK", {212, 284, 90, 30});
    But_Cancel = button(this, "But_Cancel", "Отмена", {314, 284, 90, 30});

    // Only a chosen name counts: the list also makes its first line current, unselected, when it gets the
    // focus, and "Удалить  проект" must not take that line for a choice.
    connect(TV_Name_Project, &QListWidget::itemSelectionChanged, this, [this] {
        if (syncing_) return;
        const QModelIndexList rows = TV_Name_Project->selectionModel()->selectedRows();
        context_.specMes.pick(
            rows.isEmpty() ? std::nullopt : std::optional<size_t>(static_cast<size_t>(rows.first().row())));
        sync();
    });
    connect(Edit1, &QLineEdit::textEdited, this,
            [this](const QString& text) { context_.specMes.setEdit1Utf8(text.toStdString()); });
    connect(Ed_IzmKol, &QLineEdit::textEdited, this,
            [this](const QString& text) { context_.specMes.Ed_IzmKol = cp(text).value_or(""); });
    connect(Mask_IzmKol, &QLineEdit::textEdited, this,
            [this](const QString& text) { context_.specMes.Mask_IzmKol = cp(text).value_or(""); });
    connect(OK_Open, &QPushButton::clicked, this, [this] { act(actions_.okOpen); });
    connect(OK_Save, &QPushButton::clicked, this, [this] { act(actions_.okSave); });
    connect(But_IsmKol, &QPushButton::clicked, this, [this] { act(actions_.deleteSelected); });
    connect(OK_Kol, &QPushButton::clicked, this, [this] { act(actions_.okQuantity); });
    connect(But_Cancel, &QPushButton::clicked, this, [this] { act(actions_.cancel); });
    sync();
}

void TSpecMesForm::runModal(SpecMesActions actions) {
    actions_ = std::move(actions);
    sync();
    if (context_.specMes.isOpen()) exec();
    actions_ = {};
    sync();
}

void TSpecMesForm::act(const std::function<void()>& action) {
    try {
        if (action) action();
    } catch (const AppError& e) {
        context_.prompter->error(e.message());
    }
    sync();
    if (!context_.specMes.isOpen() && isVisible()) accept();
}

void TSpecMesForm::closeEvent(QCloseEvent* event) {
    if (context_.specMes.isOpen()) act(actions_.cancel);
    event->accept();
}

void TSpecMesForm::sync() {
    syncing_ = true;
    const auto& dialog = context_.specMes;
    for (auto name : project::SpecMesDialog::controlNames()) {
        if (auto* control =
                findChild<QWidget*>(QString::fromUtf8(name.data(), static_cast<int>(name.size()))))
            control->setVisible(dialog.visible(name));
    }
    QStringList names;
    for (const auto& name : dialog.names()) names << qs(name);
    QStringList shown;
    for (int i = 0; i < TV_Name_Project->count(); ++i) shown << TV_Name_Project->item(i)->text();
    if (shown != names) {
        TV_Name_Project->clear();
        TV_Name_Project->addItems(names);
    }
    TV_Name_Project->setCurrentRow(dialog.selected() ? static_cast<int>(*dialog.selected()) : -1);
    if (cp(Edit1->text()).value_or("\x01") != dialog.edit1() && !dialog.edit1Unholdable())
        Edit1->setText(qs(dialog.edit1()));
    if (cp(Ed_IzmKol->text()).value_or("\x01") != dialog.Ed_IzmKol) Ed_IzmKol->setText(qs(dialog.Ed_IzmKol));
    if (cp(Mask_IzmKol->text()).value_or("\x01") != dialog.Mask_IzmKol)
        Mask_IzmKol->setText(qs(dialog.Mask_IzmKol));
    syncing_ = false;
}

}  // namespace brenvoll::ui
