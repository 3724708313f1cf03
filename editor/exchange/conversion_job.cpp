#include "editor/exchange/conversion_job.h"

#include "model/twf_skin.h"

namespace hexmoor::exchange {

namespace {

ConversionOutput Refused(int code, std::u16string_view message) {
    ConversionOutput output;
    output.exitCode = code;
    output.out = "result " + std::to_string(code) + "\n";
    output.err = ToUtf8(message) + "\n";
    return output;
}

} // namespace

ConversionOutput RunConversionJob(const ConversionJob& job, bool imagingStarted) {
    // Without the image library every bitmap would be dropped and the result
    // reported as a success.
    if (!imagingStarted) return Refused(kToolNoImaging, kNoImagingMessage);
    ConversionOutput output;
    CTwfSkin skin;
    skin.InitNewSkin(L"Default");
    if (job.base) {
        skin.SetPath(*job.base);
        const int loaded = skin.LoadSkinFromPath(FALSE);
        if (loaded != 0) {
            output.exitCode = kToolUsage;
            output.err = "msstyles2twf: BASE could not be loaded (result " + std::to_string(loaded) + ")\n";
            return output;
        }
    }
    auto bytes = ReadStyleFile(job.input);
    ConversionResult result;
    if (!bytes) {
        result.code = kConversionDamaged;
        result.message = kDamagedModuleMessage;
    } else {
        result = ConvertStyle(std::move(*bytes), job.scheme, skin);
    }
    output.out = FormatConversion(result);
    if (result.code != kConversionOk) {
        output.exitCode = result.code;
        output.err = ToUtf8(result.message) + "\n";
        return output;
    }
    skin.SetPath(job.output);
    if (!skin.WriteSkinFile()) {
        output.exitCode = kToolNotWritten;
        output.out.clear();
        output.err = "msstyles2twf: OUT could not be written\n";
        return output;
    }
    return output;
}

} // namespace hexmoor::exchange
