#include "shell/Runtime.h"

namespace pelmaroos::shell {

Runtime::Runtime(MessageBoxService &messageBoxes, SoundService &sound, QString applicationFolder)
    : m_messageBoxes(messageBoxes)
    , m_sound(sound)
    , m_applicationFolder(std::move(applicationFolder))
{
}

} // namespace pelmaroos::shell
