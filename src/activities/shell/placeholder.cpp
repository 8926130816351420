#include "activities/shell/placeholder.h"

#include <algorithm>

#include "activities/shell/setupform.h"
#include "app/language.h"
#include "app/windows.h"

namespace shell {

using namespace platform;

namespace {
constexpr int kMenus = 5;
constexpr ActivityKind kPlaceholderKinds[kMenus] = {
    {"placeholder1", "menu1", "", false, false}, {"placeholder2", "menu2", "", false, false},
    {"placeholder3", "menu3", "", false, false}, {"placeholder4", "menu4", "", false, false},
    {"placeholder5", "menu5", "", false, false},
};
}  // namespace

const ActivityKind& placeholderKind(int menu) {
    return kPlaceholderKinds[std::clamp(menu, 1, kMenus) - 1];
}

Placeholder::Placeholder(int menu, app::WindowRegistry& windows) : Activity(placeholderKind(menu), windows) {
    lbltitle = add<Label>(nullptr, "lbltitle", 300, 1200, 9300, 1800);
    lbltitle->setFont({"Tahoma", 28, true});
    lbltitle->setForeColor(colors::Yellow);
    lbltitle->setAlignment(Align::Center);

    lblnote = add<Label>(nullptr, "lblnote", 300, 3300, 9300, 1200);
    lblnote->setFont({"Tahoma", 15.75f, true});
    lblnote->setForeColor(colors::White);
    lblnote->setAlignment(Align::Center);

    // The menu names the activity by setting the window title after the load, so the caption follows it.
    connect(this, &QWidget::windowTitleChanged, this, [this](const QString& title) { lbltitle->setCaption(title); });
}

void Placeholder::Form_Load() {
    setupform(*this);
    setBackColor(colors::Page);
    cmdgo->setVisible(false);
    cmdsoln->setVisible(false);
    cmdcheckit->setVisible(false);
    lbltitle->setCaption(caption());
    lblnote->setCaption(app::lang().txtnotinversion);
}

void definePlaceholders(app::WindowRegistry& windows) {
    for (int n = 1; n <= kMenus; ++n)
        windows.define(QString::fromLatin1(kPlaceholderKinds[n - 1].screen),
                       [n](app::WindowRegistry& w) { return new Placeholder(n, w); });
}

}  // namespace shell
