#include "status.h"

namespace quillora::speech {

std::string messageForUser(const Status &status)
{
    if (status.error == Error::DataMissing || status.error == Error::VoiceMissing)
        return status.message
            + " The Hawaiian voice comes with Debian's espeak-ng-data package; ESPEAK_DATA_PATH "
              "may name another data folder.";
    return status.message;
}

} // namespace quillora::speech
