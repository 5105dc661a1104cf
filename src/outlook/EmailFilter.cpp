#include "outlook/EmailFilter.h"

#include "outlook/FilterText.h"

namespace outlook {

std::string BuildEmailAddressFilter(const std::string& address) {
    return PropertyEquals("Email1Address", address) + " Or " +
           PropertyEquals("Email2Address", address) + " Or " +
           PropertyEquals("Email3Address", address);
}

}  // namespace outlook
