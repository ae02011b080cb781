#include "company/company_page_transfer.h"

#include "platform/net/internet_transfer.h"

namespace ranvik {

PageReply FetchCompanyPage(const std::string& address, const PageStateHandler& stateChanged) {
    // One transfer a page: nothing of it outlives the request, so no
    // transfer is left for the program's shut-down to clear away.
    InternetTransfer transfer;
    if (stateChanged) QObject::connect(&transfer, &InternetTransfer::StateChanged, stateChanged);
    PageReply reply;
    reply.text = transfer.OpenURL(address);
    const TransferOutcome& outcome = transfer.LastOutcome();
    reply.cancelled = outcome.result == TransferResult::Cancelled;
    reply.failed = outcome.timedOut || outcome.badAddress;
    return reply;
}

void InstallCompanyPageTransfer() { InstallCompanyPageRequest(FetchCompanyPage); }

}  // namespace ranvik
