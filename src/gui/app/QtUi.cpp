#include "app/QtUi.h"

#include "i18n/LanguageManager.h"
#include "ui/ProgressScope.h"
#include "util/Colour.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QPainter>
#include <QProcess>
#include <QProgressDialog>
#include <QScreen>
#include <QSoundEffect>
#include <QStandardPaths>
#include <QUrl>
#include <QVBoxLayout>

#include <cmath>
#include <cstdio>
#include <cstring>

namespace qv::gui {

namespace {

QString qstr(const std::string& s) { return QString::fromStdString(s); }
QString qpath(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }
std::filesystem::path fspath(const QString& s) { return std::filesystem::path(s.toStdString()); }

// The button click: a short decaying tick, made once as a wave file so the
// program carries no sound file of its own for it.
QByteArray clickWave()
{
    const int rate = 22050;
    const int samples = rate / 40;  // 25 ms
    QByteArray pcm;
    pcm.reserve(samples * 2);
    for (int i = 0; i < samples; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double v = std::sin(2 * 3.14159265 * 1800 * t) * std::exp(-t * 220) * 0.5;
        const auto s = static_cast<qint16>(v * 32767);
        pcm.append(static_cast<char>(s & 0xFF));
        pcm.append(static_cast<char>((s >> 8) & 0xFF));
    }
    QByteArray wav;
    auto u32 = [&wav](quint32 v) { for (int k = 0; k < 4; ++k) wav.append(static_cast<char>((v >> (8 * k)) & 0xFF)); };
    auto u16 = [&wav](quint16 v) { wav.append(static_cast<char>(v & 0xFF)); wav.append(static_cast<char>(v >> 8)); };
    wav.append("RIFF");
    u32(static_cast<quint32>(36 + pcm.size()));
    wav.append("WAVEfmt ");
    u32(16); u16(1); u16(1); u32(rate); u32(rate * 2); u16(2); u16(16);
    wav.append("data");
    u32(static_cast<quint32>(pcm.size()));
    wav.append(pcm);
    return wav;
}

QString filterText(const FileDialogSpec& spec)
{
    QStringList parts;
    for (const auto& [description, patterns] : spec.filters) {
        QString p = qstr(patterns);
        p.replace(';', ' ');
        parts << QStringLiteral("%1 (%2)").arg(qstr(description), p);
    }
    return parts.join(QStringLiteral(";;"));
}

QColor toQColor(ColourValue c)
{
    const ColourValue rgb = resolveSystemColour(c);
    return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF), static_cast<int>((rgb >> 16) & 0xFF));
}

ColourValue fromQColor(const QColor& c)
{
    return rgbColour(c.red(), c.green(), c.blue());
}

}  // namespace

// The wait window: borderless, on top, centred, the language's wait picture
// stretched over it; a plain box with a text when the picture is missing.
class WaitWindow final : public QWidget {
public:
    WaitWindow()
        : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    {
        setAttribute(Qt::WA_ShowWithoutActivating);
        setCursor(Qt::WaitCursor);
        resize(300, 90);
    }
    void setPicture(const std::filesystem::path& picture)
    {
        m_picture = QImage(qpath(picture));
        if (!m_picture.isNull())
            resize(m_picture.size().boundedTo(QSize(600, 300)));
    }
    void showCentred()
    {
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->geometry().center() - rect().center());
        show();
        raise();
        // The work runs on this thread: let the window paint once before it starts.
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        if (!m_picture.isNull()) {
            p.drawImage(rect(), m_picture);
            return;
        }
        p.fillRect(rect(), QColor(0xF4, 0xF1, 0xE8));
        p.setPen(QColor(0x60, 0x60, 0x60));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        p.setPen(Qt::black);
        QFont f = font();
        f.setPointSizeF(f.pointSizeF() * 1.3);
        p.setFont(f);
        p.drawText(rect(), Qt::AlignCenter, QStringLiteral("Krynt - Quenvar\n…"));
    }

private:
    QImage m_picture;
};

QtUi::QtUi(const std::filesystem::path& baseDir)
    : m_baseDir(baseDir)
    , m_wait(std::make_unique<WaitWindow>())
    , m_progressClock(std::make_unique<QElapsedTimer>())
    , m_click(std::make_unique<QSoundEffect>())
    , m_sound(std::make_unique<QSoundEffect>())
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    m_clickFile = QDir(dir).filePath(QStringLiteral("quenvar-click-%1.wav").arg(QCoreApplication::applicationPid()));
    QFile f(m_clickFile);
    if (f.open(QIODevice::WriteOnly)) {
        f.write(clickWave());
        f.close();
        m_click->setSource(QUrl::fromLocalFile(m_clickFile));
        m_click->setVolume(0.4f);
    }
}

QtUi::~QtUi()
{
    if (!m_clickFile.isEmpty())
        QFile::remove(m_clickFile);
}

MsgResult QtUi::messageBox(const Message& message, MsgKind kind, MsgButtons buttons)
{
    hideBusy();
    QMessageBox box(dialogParent());
    box.setWindowTitle(title());
    box.setText(qstr(message.text));
    switch (kind) {
    case MsgKind::Error: box.setIcon(QMessageBox::Critical); break;
    case MsgKind::Information: box.setIcon(QMessageBox::Information); break;
    case MsgKind::Confirmation: box.setIcon(QMessageBox::Question); break;
    case MsgKind::Warning: box.setIcon(QMessageBox::Warning); break;
    }
    auto caption = [this](const char* key, const char* fallback) {
        const std::string t = m_language ? m_language->current().text(key) : std::string();
        return t.empty() ? QString::fromUtf8(fallback) : qstr(t);
    };
    QAbstractButton* ok = nullptr;
    QAbstractButton* cancel = nullptr;
    QAbstractButton* yes = nullptr;
    switch (buttons) {
    case MsgButtons::Ok:
        ok = box.addButton(QMessageBox::Ok);
        break;
    case MsgButtons::OkCancel:
        ok = box.addButton(QMessageBox::Ok);
        cancel = box.addButton(QMessageBox::Cancel);
        break;
    case MsgButtons::YesNo:
        yes = box.addButton(caption("T57", "Yes"), QMessageBox::YesRole);
        cancel = box.addButton(caption("T58", "No"), QMessageBox::NoRole);
        box.setDefaultButton(static_cast<QPushButton*>(yes));
        break;
    }
    // Escape and the title bar's close button answer Cancel or No.
    if (cancel)
        box.setEscapeButton(cancel);
    box.exec();
    const QAbstractButton* pressed = box.clickedButton();
    if (buttons == MsgButtons::YesNo)
        return pressed == yes ? MsgResult::Yes : MsgResult::No;
    if (buttons == MsgButtons::OkCancel)
        return pressed == ok ? MsgResult::Ok : MsgResult::Cancel;
    return MsgResult::Ok;
}

QWidget* QtUi::dialogParent() const
{
    // A window opened from a modal window (the icon chooser from the
    // category editor) and its messages sit over that window.
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return m_parent;
}

void QtUi::hideBusy()
{
    m_wait->hide();
    if (m_progress)
        m_progress->hide();
}

QString QtUi::workText(const std::string& what) const
{
    // The work's name as the tool button hints of the language say it.
    static const std::map<std::string, std::pair<const char*, const char*>, std::less<>> kHints = {
        {"load", {"E4", "Open Project"}},   {"save", {"E6", "Save Project"}},   {"check", {"E10", "Check Project"}},
        {"build", {"E12", "Build Project"}}, {"sort", {"E34", "Sort All Items"}}, {"export", {"E50", "Export"}},
        {"record", {"E99", "Record"}},
    };
    const auto it = kHints.find(what);
    if (it == kHints.end())
        return title();
    const std::string t = m_language ? m_language->current().windowText("Main", it->second.first) : std::string();
    return QString::fromStdString(t.empty() ? std::string(it->second.second) : t);
}

void QtUi::workBegun(std::string_view what, std::int64_t, Stopping stopping)
{
    m_work = std::string(what);
    m_stopping = stopping;
    m_working = true;
    m_stopRequested = false;
    m_progressClock->start();
    if (m_language)
        m_wait->setPicture(m_language->waitPicture(m_language->number()));
    m_wait->showCentred();
}

bool QtUi::workProgress(std::int64_t done, std::int64_t total)
{
    // The wait window covers short work; work that goes on for half a second
    // gets a progress dialog, with Cancel where stopping is safe.
    if (!m_progress && m_progressClock->elapsed() >= 500) {
        m_wait->hide();
        m_progress = new QProgressDialog(m_parent);
        m_progress->setWindowTitle(title());
        m_progress->setLabelText(workText(m_work));
        m_progress->setWindowModality(Qt::ApplicationModal);
        m_progress->setMinimumDuration(0);
        m_progress->setAutoClose(false);
        m_progress->setAutoReset(false);
        if (m_stopping == Stopping::Offered)
            connect(m_progress, &QProgressDialog::canceled, this, [this] { m_stopRequested = true; });
        else
            m_progress->setCancelButton(nullptr);
        m_progress->show();
    }
    if (m_progress) {
        // Large totals are scaled to the dialog's int range.
        const double scale = total > 1'000'000 ? 1'000'000.0 / static_cast<double>(total) : 1.0;
        m_progress->setMaximum(total > 0 ? static_cast<int>(static_cast<double>(total) * scale) : 0);
        m_progress->setValue(static_cast<int>(static_cast<double>(done) * scale));
        if (!m_progress->isVisible())
            m_progress->show();
    }
    // The work runs on this thread: the dialog paints and Cancel is heard here.
    QApplication::processEvents();
    if (m_progress && m_stopping == Stopping::Offered && m_progress->wasCanceled())
        m_stopRequested = true;
    return !m_stopRequested;
}

void QtUi::workEnded()
{
    m_working = false;
    m_wait->hide();
    if (m_progress) {
        m_progress->hide();
        m_progress->deleteLater();
        m_progress = nullptr;
    }
}

void QtUi::playClick()
{
    if (m_click->status() != QSoundEffect::Error)
        m_click->play();
}

void QtUi::playSound(const std::filesystem::path& wav)
{
    m_sound->stop();
    m_sound->setSource(QUrl::fromLocalFile(qpath(wav)));
    m_sound->play();
}

void QtUi::stopSound()
{
    m_sound->stop();
}

std::optional<std::filesystem::path> QtUi::openFile(const FileDialogSpec& spec)
{
    hideBusy();
    QFileDialog dialog(dialogParent(), qstr(spec.title), qpath(spec.initialDir), filterText(spec));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(spec.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!spec.fileName.empty())
        dialog.selectFile(qstr(spec.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return fspath(dialog.selectedFiles().first());
}

std::optional<std::filesystem::path> QtUi::saveFile(const FileDialogSpec& spec)
{
    hideBusy();
    QFileDialog dialog(dialogParent(), qstr(spec.title), qpath(spec.initialDir), filterText(spec));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The replace question belongs to the command: Save As replaces without asking.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!spec.defaultExt.empty())
        dialog.setDefaultSuffix(qstr(spec.defaultExt));
    if (!spec.fileName.empty())
        dialog.selectFile(qstr(spec.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return fspath(dialog.selectedFiles().first());
}

std::optional<std::filesystem::path> QtUi::browseFolder(const std::string& title, const std::filesystem::path& start)
{
    hideBusy();
    const QString folder = QFileDialog::getExistingDirectory(dialogParent(), qstr(title), qpath(start));
    if (folder.isEmpty())
        return std::nullopt;
    return fspath(folder);
}

std::optional<ColourValue> QtUi::chooseColour(ColourValue initial, CustomColours& customColours)
{
    hideBusy();
    for (int i = 0; i < 16; ++i)
        QColorDialog::setCustomColor(i, toQColor(customColours[static_cast<std::size_t>(i)]));
    const QColor chosen = QColorDialog::getColor(toQColor(initial), dialogParent(), title());
    for (int i = 0; i < 16; ++i)
        customColours[static_cast<std::size_t>(i)] = fromQColor(QColorDialog::customColor(i));
    if (!chosen.isValid())
        return std::nullopt;
    return fromQColor(chosen);
}

void QtUi::showModal(ModalWindow& window)
{
    hideBusy();
    const auto it = m_views.find(window.kind());
    if (it == m_views.end()) {
        messageBox({std::string(), "This window is not available in this version yet."}, MsgKind::Information,
                   MsgButtons::Ok);
        return;
    }
    it->second(window, dialogParent());
    // However the view went, the window's showing has ended.
    if (window.isOpen())
        window.close(ModalResult::None);
    if (m_afterModal)
        m_afterModal();
}

bool QtUi::shellOpen(const std::string& target)
{
    const QString t = qstr(target);
    const QUrl url = t.contains(QStringLiteral("://")) || t.startsWith(QStringLiteral("mailto:"))
                         ? QUrl(t)
                         : QUrl::fromLocalFile(t);
    return QDesktopServices::openUrl(url);
}

bool QtUi::shellExplore(const std::filesystem::path& folder)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(qpath(folder)));
}

bool QtUi::startProgram(const std::filesystem::path& program)
{
    return QProcess::startDetached(qpath(program), {}, qpath(program.parent_path()));
}

std::optional<RgbImage> QtUi::clipboardBitmap()
{
    const QImage image = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB888);
    if (image.isNull())
        return std::nullopt;
    RgbImage out;
    out.width = image.width();
    out.height = image.height();
    out.rgb.resize(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height) * 3);
    for (int y = 0; y < out.height; ++y)
        std::memcpy(out.rgb.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(out.width) * 3,
                    image.constScanLine(y), static_cast<std::size_t>(out.width) * 3);
    return out;
}

void QtUi::showHelp(const std::filesystem::path& helpFile, int topic)
{
    auto page = helpFile;
    page.replace_extension(".html");
    QUrl url = QUrl::fromLocalFile(qpath(page));
    if (topic != 0)
        url.setFragment(QString::number(topic));
    QDesktopServices::openUrl(url);
}

}  // namespace qv::gui
