#pragma once
// Points one program-wide object (EvMan(), GTex(), the current message-box
// host, timer host or clock, the internal error box) at a test's own object
// for the lifetime of a scope, and puts the previous one back at its end:
//     ScopedOverride boxes(SetCurrentMessageBoxHost, &box);
// As a member it must follow the object it installs, so that the object is
// built before and destroyed after it is in use.

#include <type_traits>

template <typename T>
class ScopedOverride {
  public:
    using Setter = T* (*)(T*);
    ScopedOverride(Setter set, std::type_identity_t<T>* object)
        : set_(set), previous_(set(object)) {}
    ~ScopedOverride() { set_(previous_); }
    ScopedOverride(const ScopedOverride&) = delete;
    ScopedOverride& operator=(const ScopedOverride&) = delete;

    // The object that was current before this one.
    T* Previous() const { return previous_; }

  private:
    Setter set_;
    T* previous_;
};
