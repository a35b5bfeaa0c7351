#include "inputs/ShortcutBackend.h"

ShortcutStatus ShortcutBackend::pendingStatus() {
    return {ShortcutStatus::Pending, tr("Waiting for the desktop to accept the key.")};
}

ShortcutStatus ShortcutBackend::registeredStatus() {
    return {ShortcutStatus::Registered, tr("Works in every program.")};
}

ShortcutStatus ShortcutBackend::takenStatus() {
    return {ShortcutStatus::Taken, tr("Another program uses this key.")};
}
