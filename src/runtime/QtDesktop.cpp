#include "QtDesktop.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

#include "Painting.h"
#include "util/Fs.h"

namespace rnv {

QtDesktop::QtDesktop(QWidget* parent, std::string title, std::string okWord)
    : m_parent(parent)
    , m_title(std::move(title))
    , m_okWord(std::move(okWord))
{
}

bool QtDesktop::startProgram(const std::filesystem::path& program)
{
    // Detached, in its own folder, as a program started from a CD expects.
    const QString folder = toQString(program.parent_path());
    if (QProcess::startDetached(toQString(program), {}, folder))
        return true;
    // Not a program this system can start (say a Windows program elsewhere): let the desktop try.
    return QDesktopServices::openUrl(QUrl::fromLocalFile(toQString(program)));
}

bool QtDesktop::openPath(const std::filesystem::path& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(toQString(path)));
}

bool QtDesktop::openAddress(const std::string& address)
{
    return QDesktopServices::openUrl(QUrl::fromUserInput(toQString(address)));
}

std::optional<std::filesystem::path> QtDesktop::chooseFolder(const std::string& title)
{
    const QString folder = QFileDialog::getExistingDirectory(m_parent, toQString(title));
    if (folder.isEmpty())
        return std::nullopt;
    return qv::pathFromText(folder.toStdString());
}

void QtDesktop::message(const std::string& text)
{
    QMessageBox box(QMessageBox::Information, toQString(m_title), toQString(text), QMessageBox::NoButton, m_parent);
    box.addButton(toQString(m_okWord), QMessageBox::AcceptRole);
    box.exec();
}

}  // namespace rnv
