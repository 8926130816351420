#pragma once
// Every screen the program can open, by name.
namespace app {
class WindowRegistry;
void defineScreens(WindowRegistry& windows);
}  // namespace app
