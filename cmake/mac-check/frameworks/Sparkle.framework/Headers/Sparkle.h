// The part of Sparkle 2's interface the update adapter uses, declared as
// Sparkle declares it, so the adapter can be compiled for errors without
// the framework. Sparkle marks every SPUUpdaterDelegate method @optional;
// here the ones the adapter forwards are required, so a misspelt selector
// is reported as missing rather than passing as a method nobody calls.
#import <Foundation/Foundation.h>

NS_ASSUME_NONNULL_BEGIN

@class SPUStandardUserDriver;
@protocol SPUUpdaterDelegate, SPUStandardUserDriverDelegate;

typedef NS_ENUM(NSInteger, SPUUpdateCheck) {
    SPUUpdateCheckUpdates = 0,
    SPUUpdateCheckUpdatesInBackground = 1,
    SPUUpdateCheckUpdateInformation = 2,
};

@interface SUAppcastItem : NSObject
@property(copy, readonly) NSString* versionString;
@property(copy, readonly, nullable) NSString* displayVersionString;
@property(readonly, nullable) NSURL* fileURL;
@property(nonatomic, readonly) uint64_t contentLength;
@property(copy, readonly, nullable) NSString* title;
@property(copy, readonly, nullable) NSString* minimumSystemVersion;
@property(copy, readonly, nullable) NSString* maximumSystemVersion;
- (instancetype)init NS_UNAVAILABLE;
@end

@interface SPUUpdater : NSObject
- (instancetype)init NS_UNAVAILABLE;
- (BOOL)startUpdater:(NSError* __autoreleasing*)error;
- (void)checkForUpdates;
- (void)checkForUpdatesInBackground;
@property(nonatomic, readonly) BOOL canCheckForUpdates;
@property(nonatomic, readonly) BOOL sessionInProgress;
@property(nonatomic) BOOL automaticallyChecksForUpdates;
@property(nonatomic) NSTimeInterval updateCheckInterval;
@property(nonatomic) BOOL automaticallyDownloadsUpdates;
@property(nonatomic, readonly, nullable) NSURL* feedURL;
@end

@interface SPUStandardUpdaterController : NSObject
@property(nonatomic, weak, nullable) id<SPUUpdaterDelegate> updaterDelegate;
@property(nonatomic, weak, nullable) id<SPUStandardUserDriverDelegate> userDriverDelegate;
@property(nonatomic, readonly) SPUUpdater* updater;
@property(nonatomic, readonly) SPUStandardUserDriver* userDriver;
- (instancetype)init NS_UNAVAILABLE;
- (instancetype)initWithUpdaterDelegate:(nullable id<SPUUpdaterDelegate>)updaterDelegate
                     userDriverDelegate:(nullable id<SPUStandardUserDriverDelegate>)userDriverDelegate;
- (instancetype)initWithStartingUpdater:(BOOL)startUpdater
                        updaterDelegate:(nullable id<SPUUpdaterDelegate>)updaterDelegate
                     userDriverDelegate:(nullable id<SPUStandardUserDriverDelegate>)userDriverDelegate;
- (void)startUpdater;
- (void)checkForUpdates:(nullable id)sender;  // an IBAction: void
@end

@protocol SPUUpdaterDelegate <NSObject>
- (BOOL)updater:(SPUUpdater*)updater
    mayPerformUpdateCheck:(SPUUpdateCheck)updateCheck
                    error:(NSError* _Nullable* _Nullable)error;
- (void)updater:(SPUUpdater*)updater didFindValidUpdate:(SUAppcastItem*)item;
- (void)updaterDidNotFindUpdate:(SPUUpdater*)updater;
- (void)updater:(SPUUpdater*)updater didAbortWithError:(NSError*)error;
- (void)updater:(SPUUpdater*)updater
    didFinishUpdateCycleForUpdateCheck:(SPUUpdateCheck)updateCheck
                                 error:(nullable NSError*)error;
- (BOOL)updater:(SPUUpdater*)updater
    shouldPostponeRelaunchForUpdate:(SUAppcastItem*)item
                 untilInvokingBlock:(void (^)(void))installHandler;
- (BOOL)updater:(SPUUpdater*)updater
       willInstallUpdateOnQuit:(SUAppcastItem*)item
    immediateInstallationBlock:(void (^)(void))immediateInstallHandler;
@end

@protocol SPUStandardUserDriverDelegate <NSObject>
@end

NS_ASSUME_NONNULL_END
