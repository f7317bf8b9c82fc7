#pragma once

namespace kivalto {
// Runs Kivalto: makes the program directory current, sets up the drive
// table and services, and enters the event loop.
int runKivalto(int argc, char** argv);
} // namespace kivalto
