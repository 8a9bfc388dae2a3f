#pragma once
// An internal-error box for tests and fuzz targets: it throws instead of ending
// the program, so that a reached internal error can be caught and checked.

#include <stdexcept>
#include <string>

#include "cmcInternalErrorBox.h"

// Thrown by cmcThrowingErrorBox so that tests can catch an internal error.
class cmcInternalErrorException : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class cmcThrowingErrorBox : public cmcInternalErrorBox {
  public:
    void Show(const std::string& caption, const std::string& text) override;
};

// Installs a throwing box for the lifetime of the object (tests).
class cmcScopedThrowingErrorBox {
  public:
    cmcScopedThrowingErrorBox();
    ~cmcScopedThrowingErrorBox();
    cmcScopedThrowingErrorBox(const cmcScopedThrowingErrorBox&) = delete;
    cmcScopedThrowingErrorBox& operator=(const cmcScopedThrowingErrorBox&) = delete;

  private:
    cmcThrowingErrorBox box_;
    cmcInternalErrorBox* previous_;
};
