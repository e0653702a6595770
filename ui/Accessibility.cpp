#include "Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace pathsum {
namespace {

// The dynamic property that keeps a control of the client area out of the accessibility tree.
constexpr char kNotAccessible[] = "pathsumNotAccessible";

// MainForm as a screen reader sees it: its children, less those kept out.
class FormAccessible : public QAccessibleWidget {
  public:
    explicit FormAccessible(QWidget* form) : QAccessibleWidget(form, QAccessible::Client) {}

    int childCount() const override { return static_cast<int>(Children().size()); }

    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = Children();
        if (index < 0 || index >= children.size()) {
            return nullptr;
        }
        return QAccessible::queryAccessibleInterface(children[index]);
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr) {
            return -1;
        }
        return static_cast<int>(Children().indexOf(qobject_cast<QWidget*>(child->object())));
    }

  private:
    QList<QWidget*> Children() const {
        QList<QWidget*> shown;
        for (QWidget* child : widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!child->isWindow() && !child->isHidden() &&
                !child->property(kNotAccessible).toBool()) {
                shown.append(child);
            }
        }
        return shown;
    }
};

// The windows beside the main one are plain widgets standing as windows, which a screen
// reader would be shown as fillers: shown as windows, named by their titles, it announces them.
constexpr const char* kSideWindows[] = {"pathsum::FieldWindow", "pathsum::ArrowsWindow"};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    if (!object->isWidgetType()) {
        return nullptr;
    }
    if (className == QLatin1String("pathsum::MainForm")) {
        return new FormAccessible(static_cast<QWidget*>(object));
    }
    for (const char* side : kSideWindows) {
        if (className == QLatin1String(side)) {
            return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
        }
    }
    return nullptr;
}

}  // namespace

void InstallAccessibility() {
    static bool installed = false;
    if (!installed) {
        installed = true;
        QAccessible::installFactory(Factory);
    }
}

void KeepOutOfAccessibility(QWidget* widget) {
    widget->setProperty(kNotAccessible, true);
}

}  // namespace pathsum
