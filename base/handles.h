// Move-only owners for Win32 handles: one template, one alias per kind, so
// nothing leaks on an early return and nothing is closed twice.
#pragma once

#include <windows.h>

#include <utility>

namespace vantor {

template <typename Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandle() = default;
  explicit UniqueHandle(Handle h) : handle_(h) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  ~UniqueHandle() { reset(); }

  Handle get() const { return handle_; }
  bool valid() const { return handle_ != Traits::Invalid(); }
  explicit operator bool() const { return valid(); }

  Handle release() { return std::exchange(handle_, Traits::Invalid()); }

  // Closing must not overwrite the error code a caller is about to report.
  void reset(Handle h = Traits::Invalid()) {
    if (valid()) {
      const DWORD saved = GetLastError();
      Traits::Close(handle_);
      SetLastError(saved);
    }
    handle_ = h;
  }

  // For functions that return a handle through a pointer argument.
  Handle* put() {
    reset();
    return &handle_;
  }

 private:
  Handle handle_ = Traits::Invalid();
};

struct FileHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(Handle h) { CloseHandle(h); }
};
struct KernelHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { CloseHandle(h); }
};
struct FindHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(Handle h) { FindClose(h); }
};
struct RegKeyTraits {
  using Handle = HKEY;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { RegCloseKey(h); }
};
struct ModuleTraits {
  using Handle = HMODULE;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { FreeLibrary(h); }
};
struct GdiObjectTraits {
  using Handle = HGDIOBJ;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { DeleteObject(h); }
};
struct GlobalAtomTraits {
  using Handle = ATOM;
  static Handle Invalid() { return 0; }
  static void Close(Handle h) { GlobalDeleteAtom(h); }
};
struct WindowTraits {
  using Handle = HWND;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { DestroyWindow(h); }
};

using UniqueFile = UniqueHandle<FileHandleTraits>;        // CreateFile
using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;  // processes, threads, events
using UniqueFind = UniqueHandle<FindHandleTraits>;
using UniqueRegKey = UniqueHandle<RegKeyTraits>;
using UniqueModule = UniqueHandle<ModuleTraits>;
using UniqueGdiObject = UniqueHandle<GdiObjectTraits>;
using UniqueGlobalAtom = UniqueHandle<GlobalAtomTraits>;
using UniqueWindow = UniqueHandle<WindowTraits>;

// A registered window class, unregistered with the instance it was registered for.
class WindowClassRegistration {
 public:
  WindowClassRegistration() = default;
  WindowClassRegistration(ATOM atom, HINSTANCE instance) : atom_(atom), instance_(instance) {}
  WindowClassRegistration(const WindowClassRegistration&) = delete;
  WindowClassRegistration& operator=(const WindowClassRegistration&) = delete;
  WindowClassRegistration(WindowClassRegistration&& other) noexcept
      : atom_(std::exchange(other.atom_, ATOM{0})), instance_(other.instance_) {}
  WindowClassRegistration& operator=(WindowClassRegistration&& other) noexcept {
    if (this != &other) {
      Unregister();
      atom_ = std::exchange(other.atom_, ATOM{0});
      instance_ = other.instance_;
    }
    return *this;
  }
  ~WindowClassRegistration() { Unregister(); }
  ATOM atom() const { return atom_; }
  explicit operator bool() const { return atom_ != 0; }

 private:
  void Unregister() {
    if (atom_ != 0) UnregisterClassA(MAKEINTATOM(atom_), instance_);
    atom_ = 0;
  }

  ATOM atom_ = 0;
  HINSTANCE instance_ = nullptr;
};

}  // namespace vantor
