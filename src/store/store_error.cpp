#include "store/store_error.h"

#include <system_error>

namespace orvalen {

StoreError::StoreError(std::string path, std::string reason)
    : std::runtime_error(path + ": " + reason), path_(std::move(path)), reason_(std::move(reason)) {}

StoreError StoreError::FromErrno(std::string path, int error_number) {
    // generic_category words it as strerror does, without strerror's shared buffer.
    return StoreError(std::move(path), std::generic_category().message(error_number));
}

}  // namespace orvalen
