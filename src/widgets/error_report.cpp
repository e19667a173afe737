#include "widgets/error_report.h"

#include "platform/exception.h"
#include "widgets/dialogs.h"

namespace qm::widgets {

void ReportError(const std::exception& error) { ShowMessage(DescribeError(error).message); }

void ReportUnknownError() { ShowMessage(DescribeUnknownError().message); }

} // namespace qm::widgets
