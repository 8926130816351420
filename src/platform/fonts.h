#pragma once
// The classic Windows font names the screens ask for, mapped to fonts this machine has.
#include <QString>

namespace platform {

// Registers the bundled-with-the-system stand-ins (Wine's Tahoma) once, at start-up.
void registerFonts();

// The family to use for a requested font name (Tahoma, Arial, Times New Roman or any other) and weight.
QString fontFamily(const QString& requested, bool bold = false);

}  // namespace platform
