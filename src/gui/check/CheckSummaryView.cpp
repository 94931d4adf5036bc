#include "check/CheckSummaryView.h"

#include "app/WindowText.h"
#include "check/CheckSummary.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace qv::gui {

namespace {

QTableWidget* makeList(QWidget* parent, const char* name)
{
    auto* t = new QTableWidget(parent);
    t->setObjectName(QString::fromLatin1(name));
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->verticalHeader()->setVisible(false);
    t->horizontalHeader()->setStretchLastSection(true);
    t->setWordWrap(false);
    // Paths keep their both ends, the file name and the project folder.
    t->setTextElideMode(Qt::ElideMiddle);
    t->setFocusPolicy(Qt::NoFocus);
    t->setMinimumHeight(130);
    return t;
}

template <std::size_t N>
void fill(QTableWidget* table, const std::array<std::string, N>& titles,
          const std::vector<std::array<std::string, N>>& rows, int maxWidth)
{
    table->clear();
    table->setColumnCount(static_cast<int>(N));
    QStringList headings;
    for (const std::string& t : titles)
        headings << qtext(t);
    table->setHorizontalHeaderLabels(headings);
    table->setRowCount(static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < N; ++c) {
            auto* item = new QTableWidgetItem(qtext(rows[r][c]));
            item->setToolTip(item->text());
            table->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
    table->resizeColumnsToContents();
    // Long paths are read whole in their tool tips; no column crowds the others out.
    for (int c = 0; c < table->columnCount(); ++c)
        table->setColumnWidth(c, std::min(table->columnWidth(c), maxWidth));
}

}  // namespace

CheckSummaryView::CheckSummaryView(CheckSummary& summary, const Language& language, QWidget* parent)
    : ModalView(summary, parent)
    , m_summary(summary)
{
    setObjectName(QStringLiteral("CheckSummary"));
    m_titleLine = new QLabel(this);
    QFont f = m_titleLine->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.2);
    m_titleLine->setFont(f);
    m_removedLine = new QLabel(this);
    m_removed = makeList(this, "removed");
    m_repointedLine = new QLabel(this);
    m_repointed = makeList(this, "repointed");
    m_close = new QPushButton(this);
    m_close->setObjectName(QStringLiteral("Close"));
    m_close->setDefault(true);
    m_help = new QPushButton(this);
    m_help->setObjectName(QStringLiteral("Help"));
    m_help->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_close);
    buttons->addWidget(m_help);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_titleLine);
    layout->addWidget(m_removedLine);
    layout->addWidget(m_removed, 1);
    layout->addWidget(m_repointedLine);
    layout->addWidget(m_repointed, 1);
    layout->addLayout(buttons);

    connect(m_close, &QPushButton::clicked, this, [this] {
        m_summary.CloseClick();
        afterCommand();
    });
    connect(m_help, &QPushButton::clicked, this, [this] { m_summary.HelpClick(); });
    retranslate(language);
    resize(960, 540);
}

void CheckSummaryView::retranslate(const Language& language)
{
    setWindowTitle(qtext(m_summary.title()));
    m_titleLine->setText(qtext(m_summary.titleLine()));
    m_removedLine->setText(qtext(m_summary.removedLine()));
    m_repointedLine->setText(qtext(m_summary.repointedLine()));
    m_close->setText(qtext(m_summary.closeCaption()));
    m_help->setText(qtext(m_summary.helpCaption()));
    applyFontSizes(language, CheckSummary::kSection, {m_removedLine, m_repointedLine, m_close, m_help});
    refresh();
}

void CheckSummaryView::refresh()
{
    fill(m_removed, m_summary.removedTitles(), m_summary.removedRows(), 360);
    // Seven columns, two of them paths: each path gets a quarter of the line.
    fill(m_repointed, m_summary.repointedTitles(), m_summary.repointedRows(), 240);
}

void CheckSummaryView::closeRequested()
{
    m_summary.CloseClick();
}

}  // namespace qv::gui
