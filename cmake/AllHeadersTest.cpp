// The enumerations that the media records store are the very types the lower libraries use,
// so a record's value goes to a scaler or a file prompt without a cast.
#include "CAspectRatioInfo2.h"
#include "CAutoVideoConverter.h"
#include "CSaveFile2.h"
#include "CVideoScaler.h"
#include "CVideoTransformation.h"
#include "UFileReplace.h"

#include <gtest/gtest.h>
#include <type_traits>

static_assert(std::is_same_v<decltype(CSaveFile2().GetFileReplace()), EFileReplace>);
static_assert(std::is_same_v<decltype(CAspectRatioInfo2().GetScaling()), TVideoScaling>);
static_assert(std::is_same_v<decltype(CVideoTransformation().GetFlip()), EImageFlip>);
static_assert(std::is_same_v<decltype(CVideoTransformation().GetRotate()), EImageRotation>);
static_assert(sizeof(EFileReplace) == 4 && sizeof(TVideoScaling) == 4 && sizeof(EImageFlip) == 4);

TEST(AllHeaders, StoredEnumerationsKeepTheirValuesThroughTheBinaryStorage)
{
    CSaveFile2 file;
    file.SetFileReplace(kFileReplaceRename);
    CVideoTransformation turn;
    turn.SetFlip(kImageFlipTopBottom);
    turn.SetRotate(kImageRotationHalf);
    CPersistStorage storage;
    file.SaveSelf("file", storage);
    turn.SaveSelf("turn", storage);
    ULONG size = 0;
    unsigned char* bytes = storage.GetData(size);
    CPersistStorage loading;
    loading.SetData(bytes, size);
    CSaveFile2 fileCopy;
    CVideoTransformation turnCopy;
    fileCopy.LoadSelf("file", loading);
    turnCopy.LoadSelf("turn", loading);
    EXPECT_FALSE(loading.LoadFailed());
    EXPECT_EQ(kFileReplaceRename, fileCopy.GetFileReplace());
    EXPECT_EQ(kImageFlipTopBottom, turnCopy.GetFlip());
    EXPECT_EQ(kImageRotationHalf, turnCopy.GetRotate());
}
