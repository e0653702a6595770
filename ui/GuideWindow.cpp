#include "GuideWindow.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace pathsum {

GuideWindow::GuideWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("GuideWindow"));
    setWindowTitle(tr("pathsum Guide"));
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("GuideText"));
    browser_->setAccessibleName(tr("Guide"));
    // Links within the guide stay in it; a link to anywhere else opens in the desktop's browser.
    browser_->setOpenExternalLinks(true);
    browser_->setSource(QUrl(QStringLiteral("qrc:/guide/guide.html")));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(680, 760);
}

}  // namespace pathsum
