#pragma once
// Turns a probed media file into the name/value rows of a file-properties display:
// file facts, one block per video and audio track, then the subtitle count.
// Rows inside a block start with two blanks.
class CAudioTrack;
class CMediaFile2;
class CPropertyList;
class CVideoTrack;

class UMediaProperties {
public:
    static void FillProperties(CPropertyList& list, CMediaFile2& mediaFile);
    static void FillProperties(CPropertyList& list, CVideoTrack& videoTrack, int index, bool numbered);
    static void FillProperties(CPropertyList& list, CAudioTrack& audioTrack, int index, bool numbered);
};
