#include "excel/ui/ReferenceTab.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "excel/ui/SpreadsheetAction.h"

namespace brenvoll::ui {

namespace {
struct Table {
    const char* group;
    const char* button;
    const char* title;  // its two lines
    const char* file;
};
constexpr Table kTables[] = {
    {"Pan_41", "But_Open_41", "Таблица совместимости лотков\nи аксессуаров", "Sovmest.xls"},
    {"Pan_42", "But_Open_42", "Таблица рекомендуемых  способов\nсоединений", "Connect.xls"},
    {"Pan_43", "But_Open_43", "Таблица рекомендуемых способов\nподвеса лотков", "Podves.xls"},
    {"RzGroupBox3", "RzToolButton36", "Допустимые нагрузки на\nлотки и подвесы", "Nagruzki.xls"},
};
}  // namespace

ReferenceTab::ReferenceTab(AppContext& context, QWidget* sheet) : QWidget(sheet), context_(context) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(40, 40, 40, 40);
    grid->setSpacing(30);
    int position = 0;
    for (const Table& table : kTables) {
        auto* group = new QGroupBox(this);
        group->setObjectName(table.group);
        auto* column = new QVBoxLayout(group);
        auto* title = new QLabel(QString::fromUtf8(table.title), group);
        title->setObjectName(QString(table.group) + "_Title");
        title->setAlignment(Qt::AlignCenter);
        QFont font = title->font();
        font.setPixelSize(15);
        font.setBold(true);
        title->setFont(font);
        auto* open = new QPushButton(QString::fromUtf8("Открыть"), group);
        open->setObjectName(table.button);
        open->setMinimumHeight(32);
        column->addWidget(title);
        column->addWidget(open, 0, Qt::AlignHCenter);
        grid->addWidget(group, position / 2, position % 2);
        const char* file = table.file;
        connect(open, &QPushButton::clicked, this, [this, file] { openTable(file); });
        ++position;
    }
}

void ReferenceTab::openTable(const char* fileName) {
    runSpreadsheetAction(context_, [&](excel::Spreadsheet& sheet) {
        excel::OpenReferenceTable(sheet, context_.cwd, fileName);
    });
}

}  // namespace brenvoll::ui
