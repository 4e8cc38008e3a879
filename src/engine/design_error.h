// A design input that the calculation cannot use: it would divide by zero, take the logarithm of a
// non-positive number, overflow a table or leave the method's range. The calculation throws it
// before it stores anything, so the design keeps its previous results; what() is the Polish
// message the compute command shows, Field() the name of the offending design field.
#pragma once

#include <stdexcept>
#include <string>

class DesignInputError : public std::runtime_error {
 public:
  DesignInputError(std::string field, const std::string& message)
      : std::runtime_error(message), field_(std::move(field)) {}

  const std::string& Field() const { return field_; }

 private:
  std::string field_;
};
