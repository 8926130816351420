#pragma once
// Three menu entries open one screen for English and another for every other language. Such an
// activity is one class with two editions, registered under two screen names; the other-language
// edition still follows the chosen language where a convention differs between languages.
#include "activities/shell/activity.h"

namespace shell {

enum class Edition { English, Other };

// The two kinds of one activity: the same menu and buttons, a screen name each.
struct EditionKinds {
    ActivityKind english;
    ActivityKind other;
    const ActivityKind& of(Edition edition) const { return edition == Edition::English ? english : other; }
};

}  // namespace shell
