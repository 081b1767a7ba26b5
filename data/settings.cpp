#include "data/settings.h"

namespace kl {

Settings& settings() {
    static Settings program;
    return program;
}

void resetSettings() { settings() = Settings{}; }

}  // namespace kl
