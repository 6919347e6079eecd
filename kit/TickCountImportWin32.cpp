// The platform's threading support library, linked into the exe, imports GetTickCount64, which
// Windows has only from Vista on: with that import the exe would not load on XP at all. This
// file gives the library's import slot a function of our own, so the linker takes no import:
// the system's count where there is one, else the 32-bit count carried past its wrap.
#include <windows.h>

namespace {

using TickCount64 = ULONGLONG(WINAPI*)();

// Plain statics only: the library may call this before or while C++ statics are set up.
TickCount64 systemCount = nullptr;
bool lookedUp = false;
unsigned long long lastCount = 0;  // the 32-bit count with the wraps seen so far above it

ULONGLONG WINAPI CarriedTickCount() {
    if (!lookedUp) {  // a race here only looks it up twice
        systemCount = reinterpret_cast<TickCount64>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetTickCount64")));
        lookedUp = true;
    }
    if (systemCount) return systemCount();
    unsigned long long last = __atomic_load_n(&lastCount, __ATOMIC_ACQUIRE);
    for (;;) {
        unsigned long long now = (last & ~0xFFFFFFFFull) | GetTickCount();
        if (now < last) now += 0x100000000ull;  // the count wrapped since the last call
        if (__atomic_compare_exchange_n(&lastCount, &last, now, false, __ATOMIC_ACQ_REL, __ATOMIC_ACQUIRE))
            return now;
    }
}

}  // namespace

// The import slot's own name, which the library refers to.
extern "C" {
TickCount64 tickCountImport __asm__("__imp__GetTickCount64@0") = CarriedTickCount;
}
