// What the program calls on the page (emscripten --js-library).  Each one
// hands over to the objects the page gives the module: `page` (main.js) and
// `storage` (storage.js).  Those that wait (a pause, a message box, the
// storage, its locks and naps) suspend the program and resume it when their
// promise settles.
mergeInto(LibraryManager.library, {
  velmo_set_box_text: function (boxId, text, length) {
    Module['page'].setBoxText(boxId, UTF8ToString(text, length));
  },
  velmo_show_message__deps: ['$Asyncify'],
  velmo_show_message: function (text, length, caption, captionLength) {
    return Asyncify.handleAsync(function () {
      return Module['page'].showMessage(UTF8ToString(text, length), UTF8ToString(caption, captionLength));
    });
  },
  velmo_now_ms: function () {
    return performance.timeOrigin + performance.now();
  },
  velmo_pause__deps: ['$Asyncify'],
  velmo_pause: function (ms) {
    return Asyncify.handleSleep(function (wakeUp) {
      setTimeout(wakeUp, ms >>> 0);
    });
  },
  velmo_storage_read__deps: ['$Asyncify', 'malloc'],
  velmo_storage_read: function (name, lengthOut) {
    var key = UTF8ToString(name);
    return Asyncify.handleAsync(function () {
      return Module['storage'].read(key).then(function (text) {
        if (text === null) return 0;
        var size = lengthBytesUTF8(text);
        var copy = _malloc(size + 1);
        stringToUTF8(text, copy, size + 1);
        HEAPU32[lengthOut >> 2] = size;
        return copy;
      });
    });
  },
  velmo_storage_write__deps: ['$Asyncify'],
  velmo_storage_write: function (name, content, length, replace) {
    var key = UTF8ToString(name);
    var text = UTF8ToString(content, length);
    return Asyncify.handleAsync(function () {
      return Module['storage'].write(key, text, replace !== 0).then(function (answer) {
        return answer === 'done' ? 1 : answer === 'exists' ? 2 : 0;
      });
    });
  },
  velmo_storage_try_lock__deps: ['$Asyncify'],
  velmo_storage_try_lock: function (name) {
    var key = UTF8ToString(name);
    return Asyncify.handleAsync(function () {
      return Module['storage'].tryLock(key).then(function (held) { return held ? 1 : 0; });
    });
  },
  velmo_storage_unlock: function (name) {
    Module['storage'].unlock(UTF8ToString(name));
  },
  velmo_storage_nap__deps: ['$Asyncify'],
  velmo_storage_nap: function () {
    return Asyncify.handleSleep(function (wakeUp) { setTimeout(wakeUp, 1); });
  },
});
