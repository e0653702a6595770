#include "GuideWindow.h"

#include <QFile>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "Language.h"

namespace pathsum {

QUrl GuideSource(const QString& language) {
    const QString translated = QStringLiteral(":/guide/guide_%1.html").arg(language);
    if (!language.isEmpty() && QFile::exists(translated)) {
        return QUrl(QStringLiteral("qrc") + translated);
    }
    return QUrl(QStringLiteral("qrc:/guide/guide.html"));
}

GuideWindow::GuideWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("GuideWindow"));
    setWindowTitle(tr("pathsum Guide"));
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("GuideText"));
    browser_->setAccessibleName(tr("Guide"));
    // Links within the guide stay in it; a link to anywhere else opens in the desktop's browser.
    browser_->setOpenExternalLinks(true);
    browser_->setSource(GuideSource(SpokenLanguage()));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(680, 760);
}

}  // namespace pathsum
