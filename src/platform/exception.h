// The root of the errors that the plug-in raises. Each error knows its type name,
// which the error messages shown to the user print ("EConvertError : ...").
#pragma once

#include <exception>
#include <string>

namespace qm {

class Exception : public std::exception {
public:
  explicit Exception(std::string message) : message_(std::move(message)) {}
  const char* what() const noexcept override { return message_.c_str(); }
  const std::string& Message() const noexcept { return message_; }
  virtual const char* ClassName() const noexcept { return "Exception"; }

private:
  std::string message_;
};

#define QM_DECLARE_EXCEPTION(Name, Base)                                                           \
  class Name : public Base {                                                                       \
  public:                                                                                          \
    using Base::Base;                                                                              \
    const char* ClassName() const noexcept override { return #Name; }                              \
  }

// Text that is not a valid number where one is needed.
QM_DECLARE_EXCEPTION(EConvertError, Exception);
// An index outside a list.
QM_DECLARE_EXCEPTION(EListError, Exception);

// The type name and message of any error caught as `error`, for the error reports.
// Errors that are not ours (from the C++ runtime or from a host) get a type name
// that says where they came from.
struct ErrorDescription {
  std::string typeName;
  std::string message;
};
ErrorDescription DescribeError(const std::exception& error);
// The same for an error that is not a std::exception at all (catch (...)).
ErrorDescription DescribeUnknownError();

} // namespace qm
