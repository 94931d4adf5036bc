#include "design/DesignSample.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QStyle>
#include <QVBoxLayout>

#include "DesignLook.h"
#include "MenuBox.h"
#include "MenuButton.h"
#include "Painting.h"
#include "RuntimeWords.h"
#include "design/DesignEditor.h"
#include "design/MenuDesign.h"
#include "util/ProjectFiles.h"

namespace qv::gui {

namespace {

QString qstr(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }

}  // namespace

DesignSample::DesignSample(const DesignEditor& editor, std::filesystem::path baseDir, QWidget* parent)
    : QWidget(parent)
    , m_editor(editor)
    , m_baseDir(std::move(baseDir))
{
    setObjectName(QStringLiteral("DesignSample"));
    setMinimumSize(300, 300);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(8);
}

void DesignSample::refresh()
{
    const MenuDesign& design = m_editor.design();
    m_look = rnv::lookOf(design.settings());
    const ProjectFiles& files = design.data();
    // Pictures are read as the runtime reads them; the box pictures take
    // them whatever the fills say.
    const QImage backPicture = files.BMP_File.empty() ? QImage() : rnv::loadPicture(files.BMP_File.fullPath());
    m_background = m_look.backgroundPicture ? backPicture : QImage();
    m_buttonPicture = files.Button_file.empty() ? QImage() : rnv::loadPicture(files.Button_file.fullPath());

    // The box and button widgets take their look when they are made; a
    // change makes them anew. The old ones go later: the sample button may
    // be the one whose click is running now.
    for (rnv::MenuBox*& box : m_boxes) {
        if (box) {
            box->hide();
            box->setObjectName(QString());
            box->deleteLater();
        }
        box = nullptr;
    }
    if (m_button) {
        m_button->hide();
        m_button->setObjectName(QString());
        m_button->deleteLater();
    }
    m_button = nullptr;
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    // A row is a layout item and its own layout: one delete.
    while (QLayoutItem* item = layout->takeAt(0))
        delete item;

    const int language = design.settings().language;
    const auto letterCase = m_look.letterCase;
    const rnv::RuntimeWords words = rnv::RuntimeWords::load(
        m_baseDir / "Files" / ("language" + std::to_string(language >= 0 && language <= 3 ? language : 0) + ".dat"),
        letterCase);
    const SampleTexts samples = m_editor.samples();
    auto boxPicture = [&](const rnv::BoxLook& box) {
        return box.picture == rnv::BoxPicture::Background ? backPicture
             : box.picture == rnv::BoxPicture::Button     ? m_buttonPicture
                                                          : QImage();
    };
    const std::array<const rnv::BoxLook*, 3> boxes{&m_look.categoryBox, &m_look.fileBox, &m_look.detailsBox};
    const std::array<const rnv::TextLook*, 3> texts{&m_look.categoryText, &m_look.fileText, &m_look.detailsText};
    const std::array<rnv::Word, 3> headings{rnv::Word::Categories, rnv::Word::Items, rnv::Word::Details};
    const std::array<std::string, 3> entries{samples.category, samples.file, samples.details};
    const std::array<QStyle::StandardPixmap, 3> icons{QStyle::SP_DirIcon, QStyle::SP_FileIcon, QStyle::SP_FileIcon};
    auto* top = new QHBoxLayout;
    top->setSpacing(8);
    auto* bottom = new QHBoxLayout;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        auto* box = new rnv::MenuBox(*boxes[i], boxPicture(*boxes[i]), qstr(words[headings[i]]), this);
        box->setObjectName(QStringLiteral("SampleBox%1").arg(i));
        auto* list = new rnv::MenuList(*texts[i], i == 0 ? 24 : i == 1 ? 16 : 0, box);
        list->addItem(new QListWidgetItem(i == 2 ? QIcon() : style()->standardIcon(icons[i]), qstr(entries[i])));
        // The menu starts with its first category and item chosen: show their look.
        if (i < 2)
            list->setCurrentRow(0);
        box->setContent(list);
        m_boxes[i] = box;
        (i < 2 ? top : bottom)->addWidget(box, 1);
    }
    m_button = new rnv::MenuButton(m_look, m_buttonPicture, this);
    m_button->setObjectName(QStringLiteral("SampleButton"));
    m_button->setText(qstr(samples.button));
    connect(m_button, &QAbstractButton::clicked, this, &DesignSample::fullPreviewRequested);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_button);
    buttons->addStretch(1);
    layout->addLayout(top, 3);
    layout->addLayout(bottom, 2);
    layout->addLayout(buttons);
    // Shown and laid out now, not at the next event: the sample is right
    // the moment a command returns. Before the sample is shown they wait
    // to be shown with it.
    if (isVisible()) {
        for (QWidget* w : {static_cast<QWidget*>(m_boxes[0]), static_cast<QWidget*>(m_boxes[1]),
                           static_cast<QWidget*>(m_boxes[2]), static_cast<QWidget*>(m_button)})
            w->show();
    }
    layout->activate();
    update();
}

QColor DesignSample::colourAt(QPoint point)
{
    return QColor(grab().toImage().pixel(point));
}

void DesignSample::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    rnv::paintBackdrop(p, rect(), rnv::toQColor(m_look.backStart), rnv::toQColor(m_look.backEnd), m_background,
                       m_look.tileMode);
}

}  // namespace qv::gui
