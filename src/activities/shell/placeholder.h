#pragma once
// The stand-in for menu entries whose activity is not in this version: it names the activity,
// says so, and offers the Jotter and the way back like every activity.
#include "activities/shell/activity.h"

namespace shell {

// The stand-in kinds, one per menu (1–5).
const ActivityKind& placeholderKind(int menu);

class Placeholder : public Activity {
    Q_OBJECT
public:
    Placeholder(int menu, app::WindowRegistry& windows);

    platform::Label* lbltitle = nullptr;
    platform::Label* lblnote = nullptr;

    // Nothing to ask and nothing to solve; their buttons stay hidden.
    void cmdgo_Click() override {}
    void cmdsoln_Click() override {}

protected:
    void Form_Load() override;
};

// Defines "placeholder1" … "placeholder5" in the registry.
void definePlaceholders(app::WindowRegistry& windows);

}  // namespace shell
