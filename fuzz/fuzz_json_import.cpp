// Arbitrary bytes imported as JSON documents, then exported and imported again (see ExchangeFuzz.h).
#include "ExchangeFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return dvk::fuzz::roundTrip(data, size, dvk::Exchange::Format::Json);
}
