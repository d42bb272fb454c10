#pragma once

namespace lst::cli {

// Entry point of lohnsteuer-cli; returns the process exit status.
int Hauptprogramm(int argc, char** argv);

}  // namespace lst::cli
