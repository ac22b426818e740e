#include "app/languageflag.h"

#include <atomic>

namespace {
// Read from the replay worker's and the Bluetooth threads' log texts too.
std::atomic<bool> g_chinese{true};
} // namespace

namespace LanguageFlag {

bool isChinese()
{
    return g_chinese.load(std::memory_order_relaxed);
}

void setChinese(bool chinese)
{
    g_chinese.store(chinese, std::memory_order_relaxed);
}

} // namespace LanguageFlag
