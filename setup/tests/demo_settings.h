// The settings file that a first start on the demo POS database writes with
// "/install": the tax keys of the start, then every key of Save, grouped by
// section as the private-profile functions keep them (blank lines left out).
#pragma once

#include <string>
#include <vector>

inline const std::vector<std::string> kDemoInstallFile = {
    "[POSTING]",
    "TAX_OR_VAT=0",
    "TAXTYPE1=P",
    "TAXTYPE2=P",
    "TAXTYPE3=B",
    "TAXTYPE4=I",
    "TAXTYPE5=F",
    "TAXTYPE6=",
    "TAXTYPE7=",
    "TAXTYPE8=",
    "SRV_OR_CHR=1",
    "REVERSEGST=0",
    "FULL_DSVC=0",
    "ROOMCHRG_TMD=",
    "VOUCHER_TMD=",
    "OTHER_OPTIONS=0000000000",
    "SUPPRESSNFOREF=0",
    "[COMMON]",
    "RESTR_POSTING_EMPL=0",
    "[DESCRIPTOR]",
    "TAX_DESC=Tax:",
    "AUTO_SVC_DESC=Auto SVC:",
    "[FEATURE]",
    "MAGENTRY_ONLY=0",
    "MAGCARDOVRWRT=",
    "[LOCATOR]",
    "RVCS=",
};

inline std::vector<std::string> WithoutBlankLines(const std::vector<std::string>& lines)
{
    std::vector<std::string> kept;
    for (const std::string& line : lines)
        if (!line.empty())
            kept.push_back(line);
    return kept;
}
