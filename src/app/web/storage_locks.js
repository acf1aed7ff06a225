// The two ways a tab holds a file's lock, both tried without waiting (the
// program naps and tries again): a Web Lock where the browser has them, and
// elsewhere (a page on plain HTTP under any host name but localhost) a lease
// record in the database, taken and given back in transactions of their own.
const lockPrefix = 'velmorandine:';

export function webLocks(manager) {
  const releases = new Map();
  // The page's first request to the lock manager takes tens of
  // milliseconds: it is made at once, not at the first click.
  manager.query().catch(() => {});
  return {
    tryLock(name) {
      return new Promise((resolve) => {
        manager
          .request(`${lockPrefix}${name}`, { ifAvailable: true }, (lock) => {
            if (!lock) {
              resolve(false);
              return undefined;
            }
            resolve(true);
            return new Promise((done) => { releases.set(name, done); });
          })
          .catch(() => resolve(false));
      });
    },
    unlock(name) {
      const done = releases.get(name);
      releases.delete(name);
      if (done) done();
    },
  };
}

// A lease lasts this long unless its holder renews it, which it does every
// third of that while it holds it: a tab closed while holding one keeps the
// others out for less than the program's 2 s wait.
const leaseMs = 1500;

// Runs `change` on the lease record of `name` in one read-write transaction,
// which IndexedDB runs after or before every other tab's, never between; its
// answer is the transaction's once it has committed.
async function onLease(store, storeName, name, change) {
  const transaction = await store('readwrite');
  const records = transaction.objectStore(storeName);
  const key = ['lease', name]; // an array: never a file's name
  let answer;
  const reading = records.get(key);
  reading.onsuccess = () => {
    answer = change(reading.result, (lease) => (lease ? records.put(lease, key) : records.delete(key)));
  };
  await new Promise((resolve, reject) => {
    transaction.oncomplete = resolve;
    transaction.onerror = transaction.onabort = () => reject(transaction.error);
  });
  return answer;
}

export function leaseLocks(store, storeName) {
  const held = new Map(); // name -> { owner, timer }
  const lease = (owner) => ({ owner, expires: Date.now() + leaseMs });
  return {
    async tryLock(name) {
      // randomUUID() is for secure contexts only, which this page is not.
      const owner = `${performance.timeOrigin}:${Math.random()}`;
      try {
        const taken = await onLease(store, storeName, name, (current, set) => {
          if (current && current.expires > Date.now()) return false;
          set(lease(owner));
          return true;
        });
        if (!taken) return false;
      } catch {
        return true; // no storage to guard: every read and write is refused too
      }
      const timer = setInterval(() => {
        onLease(store, storeName, name, (current, set) => {
          if (current?.owner === owner) set(lease(owner));
        }).catch(() => {});
      }, leaseMs / 3);
      held.set(name, { owner, timer });
      return true;
    },
    unlock(name) {
      const holding = held.get(name);
      held.delete(name);
      if (!holding) return;
      clearInterval(holding.timer);
      onLease(store, storeName, name, (current, set) => {
        if (current?.owner === holding.owner) set(null);
      }).catch(() => {});
    },
  };
}
