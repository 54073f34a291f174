#pragma once

#include <functional>

// Runs action on the application's main thread (where the windows live) and returns once it has run: at once
// when called there, or without an application; from another thread (a year change under way), the caller
// waits while the main thread, whose event loop must be running, runs it.
void SurFilPrincipal(const std::function<void()>& action);
